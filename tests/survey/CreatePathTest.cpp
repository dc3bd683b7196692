// CreatePath: the walk from the root down, one level at a time, in a temporary folder.
#include "survey/CreatePath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolva {
namespace {

class CreatePathTest : public testing::Test {
  protected:
    bool IsDir(const QString& sRelativ) const { return QFileInfo(dir_.filePath(sRelativ)).isDir(); }
    QTemporaryDir dir_;
};

TEST_F(CreatePathTest, MakesEveryMissingLevelBelowExistingOnes) {
    ASSERT_TRUE(CreatePath(dir_.filePath(QStringLiteral("a/b/c"))).ok());
    EXPECT_TRUE(IsDir(QStringLiteral("a/b/c")));
    ASSERT_TRUE(CreatePath(dir_.filePath(QStringLiteral("a/b/"))).ok());
    ASSERT_TRUE(CreatePath(dir_.filePath(QStringLiteral("a/b/d/e/"))).ok());
    EXPECT_TRUE(IsDir(QStringLiteral("a/b/d/e")));
}

TEST_F(CreatePathTest, ARelativePathFailsAndMakesNothing) {
    const QString sName =
        QStringLiteral("etest-relativ-%1").arg(QCoreApplication::applicationPid());
    const Status st = CreatePath(sName + QStringLiteral("/a/"));
    EXPECT_FALSE(st.ok());
    EXPECT_FALSE(st.description().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(sName));
    EXPECT_FALSE(CreatePath(QString()).ok());
}

}  // namespace
}  // namespace tolva

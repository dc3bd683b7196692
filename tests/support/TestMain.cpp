// Test entry: a Qt core application (QSettings, dates) and settings in a private file.
#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QTemporaryDir settingsDir;
    if (qEnvironmentVariableIsEmpty("TOLVA_SETTINGS"))
        qputenv("TOLVA_SETTINGS", settingsDir.filePath("host.ini").toUtf8());
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

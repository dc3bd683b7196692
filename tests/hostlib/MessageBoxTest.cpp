// The message-box seam: default answers and routing of both kinds of box.
#include "hostlib/HostServices.h"
#include "hostlib/IniHostServices.h"
#include "hostlib/MessageBox.h"

#include "ScriptedMessageBoxes.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolva {
namespace {

TEST(MessageBox, DefaultAnswerFollowsTheButtonsAndTheDefaultButton) {
    EXPECT_EQ(DefaultAnswer(0), vbOK);
    EXPECT_EQ(DefaultAnswer(16), vbOK);
    EXPECT_EQ(DefaultAnswer(48), vbOK);
    EXPECT_EQ(DefaultAnswer(36), vbYes);  // Yes/No with question icon
    EXPECT_EQ(DefaultAnswer(324), vbNo);  // Yes/No, No as default
}

TEST(MessageBox, HostBoxesAndPlatformBoxesReachTheInstalledPresenter) {
    QTemporaryDir dir;
    IniHostServices host(dir.filePath("host.ini"));
    EXPECT_FALSE(MessageBoxPresenterInstalled());
    test::ScopedMessageBoxes boxes;
    EXPECT_TRUE(MessageBoxPresenterInstalled());
    boxes->QueueAnswer(vbNo);
    EXPECT_EQ(host.ShowMessage("Soll Sie überschrieben werden?", 324, "Archivierungs-Assistent"),
              vbNo);
    EXPECT_EQ(MsgBox("Pfad fehlt", 0, "Archiv:Fertig"), vbOK);
    ASSERT_EQ(boxes->Shown().size(), 2u);
    EXPECT_EQ(boxes->Shown()[0].lStil, 324);
    EXPECT_EQ(boxes->Shown()[0].sTitel, QStringLiteral("Archivierungs-Assistent"));
    EXPECT_EQ(boxes->Shown()[1].sText, QStringLiteral("Pfad fehlt"));
}

}  // namespace
}  // namespace tolva

#include "platform/qt/user_interface.h"

#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/qt/handler.h"

#include <gtest/gtest.h>

namespace platform::qt {
namespace {

TEST(FileDialog, TranslatesTheFilterIntoQtsForm) {
    FileDialog d;
    d.filter = QStringLiteral("Libretto SDR (*.sdr) | *.sdr|Libretto Pregeo (*.dat) | *.dat");
    EXPECT_EQ(d.QtFilter(), QStringLiteral("Libretto SDR (*.sdr);;Libretto Pregeo (*.dat)"));
    d.filter = QStringLiteral("File di testo | *.txt");
    EXPECT_EQ(d.QtFilter(), QStringLiteral("File di testo (*.txt)"));
    d.defaultExt = QStringLiteral("*.not");
    EXPECT_EQ(d.Suffix(), QStringLiteral("not"));
}

TEST(ScriptedUserInterface, AnswersDialogsFromItsQueue) {
    ScriptedUserInterface ui;
    FileDialog d;
    d.defaultExt = QStringLiteral("*.not");
    d.title = QStringLiteral("Carica un File di punti noti");
    ui.QueueFile(QStringLiteral("/tmp/a"));
    ui.QueueCancel();
    EXPECT_TRUE(ui.Execute(d));
    EXPECT_EQ(d.fileName, QStringLiteral("/tmp/a.not"));
    EXPECT_FALSE(ui.Execute(d));
    EXPECT_FALSE(ui.Execute(d));  // nothing queued: cancelled
    ASSERT_EQ(ui.History().size(), 3u);
    EXPECT_EQ(ui.History()[0].title, QStringLiteral("Carica un File di punti noti"));
}

TEST(RunHandler, ShowsUserMessagesAndPlatformErrorsAndStops) {
    ScriptedUserInterface ui;
    int reached = 0;
    EXPECT_TRUE(RunHandler(ui, [&] { ++reached; }));
    EXPECT_FALSE(RunHandler(ui, [&] {
        throw UserMessage("Inserisci i dati per il calcolo!!");
        ++reached;
    }));
    EXPECT_FALSE(RunHandler(ui, [&] { StrToFloat("12,5"); }));
    EXPECT_FALSE(RunHandler(
        ui, [&] { throw FileError(FileError::Kind::CannotOpen, "/x/citt\xc3\xa0.not"); }));
    EXPECT_FALSE(RunHandler(ui, [&] {
        throw UserMessage("Un lato \xe8 Maggiore", "Impossibile continuare",
                          UserMessage::Icon::Exclamation);
    }));
    EXPECT_EQ(reached, 1);
    ASSERT_EQ(ui.History().size(), 4u);
    EXPECT_EQ(ui.History()[0].kind, ScriptedUserInterface::Shown::Kind::Message);
    EXPECT_EQ(ui.History()[1].kind, ScriptedUserInterface::Shown::Kind::Error);
    EXPECT_EQ(ui.Texts(), (QStringList{QStringLiteral("Inserisci i dati per il calcolo!!"),
                                       QStringLiteral("'12,5' is not a valid floating point value"),
                                       QString::fromUtf8("Cannot open file /x/citt\xc3\xa0.not"),
                                       QString::fromUtf8("Un lato \xc3\xa8 Maggiore")}));
    EXPECT_EQ(ui.History()[3].title, QStringLiteral("Impossibile continuare"));
    EXPECT_EQ(ui.History()[3].icon, UserMessage::Icon::Exclamation);
}

}  // namespace
}  // namespace platform::qt

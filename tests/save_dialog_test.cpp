// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramTest.h"

#include "surface/PlotActions.h"
#include "surface/SaveDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

// Where and how a demonstration asks where to save: a dialog as large as the window's text,
// starting in the folder for what is saved, then in the folder last saved to. The user's
// home is a temporary folder of the test's own.
class SaveDialogTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(home.isValid());
        for (const char* name : { "HOME", "XDG_CONFIG_HOME" })
            saved.push_back({ name, qgetenv(name), qEnvironmentVariableIsSet(name) });
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        forgetLastSaveFolder();
    }
    void TearDown() override
    {
        forgetLastSaveFolder();
        for (const auto& variable : saved)
            variable.wasSet ? void(qputenv(variable.name, variable.value)) : void(qunsetenv(variable.name));
        ProgramTest::TearDown();
    }

    QString folder(const char* name) const { return QDir(home.path()).filePath(name); }

    // Runs `action`, which opens a file dialog; `answer` sees the dialog while it is open.
    static void whileAsked(const std::function<void()>& action, const std::function<void(QFileDialog&)>& answer)
    {
        bool asked = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); dialog && !asked) {
                asked = true;
                answer(*dialog);
            }
        });
        poll.start();
        action();
        EXPECT_TRUE(asked) << "no dialog";
    }

    struct Variable {
        const char* name;
        QByteArray value;
        bool wasSet;
    };
    std::vector<Variable> saved;
    QTemporaryDir home;
};

TEST_F(SaveDialogTest, EachKindOfFileStartsInItsFolderOrHome)
{
    const struct {
        const char* file;
        const char* folder;
    } cases[] = { { "am-plots.png", "Pictures" }, { "am-plots.svg", "Pictures" }, { "am-spectrum.csv", "Documents" }, { "am-sound.wav", "Music" } };
    for (const auto& c : cases)
        EXPECT_EQ(saveFolderFor(c.file), home.path()) << c.file << ": no such folder yet, so home";
    for (const auto& c : cases)
        ASSERT_TRUE(QDir(home.path()).mkpath(c.folder));
    for (const auto& c : cases)
        EXPECT_EQ(saveFolderFor(c.file), folder(c.folder)) << c.file;
}

TEST_F(SaveDialogTest, TheDialogHasTheWindowsSizeAndRemembersTheFolder)
{
    for (const char* name : { "Pictures", "Documents", "Lesson" })
        ASSERT_TRUE(QDir(home.path()).mkpath(name));
    Presentation::setPixelsPerTwip(0.85 * 2160 / 9000); // a 3840 x 2160 projector
    ASSERT_NO_FATAL_FAILURE(open("cmdAMenter"));
    Form& am = *window;
    auto* actions = am.findChild<PlotActions*>();
    ASSERT_NE(actions, nullptr);

    whileAsked([&] { actions->savePicture(); },
               [&](QFileDialog& dialog) {
                   EXPECT_EQ(QFontInfo(dialog.font()).pixelSize(), QFontInfo(am.font()).pixelSize());
                   EXPECT_GE(QFontInfo(dialog.font()).pixelSize(), 30);
                   const QSize screen = am.screen()->availableSize();
                   EXPECT_GE(dialog.width(), std::min(screen.width(), int(am.width() * 0.8)));
                   EXPECT_GE(dialog.height(), std::min(screen.height(), int(am.height() * 0.8)));
                   EXPECT_EQ(QFileInfo(dialog.directory().path()), QFileInfo(folder("Pictures")));
                   // The file list's columns hold their titles in the dialog's large text.
                   const QFontMetrics metrics(dialog.font());
                   const QList<QHeaderView*> headers = dialog.findChildren<QHeaderView*>();
                   EXPECT_FALSE(headers.isEmpty());
                   for (QHeaderView* header : headers)
                       for (int section = 0; section < header->count(); ++section) {
                           const QString title = header->model()->headerData(section, header->orientation()).toString();
                           EXPECT_GT(header->sectionSize(section), metrics.horizontalAdvance(title))
                               << title.toStdString() << " is cut";
                       }
                   dialog.selectFile(QDir(folder("Lesson")).filePath("envelope.png"));
                   QMetaObject::invokeMethod(&dialog, "accept");
               });
    EXPECT_TRUE(QFileInfo(QDir(folder("Lesson")).filePath("envelope.png")).size() > 0);

    // The next file, of another kind, goes where the last one went.
    whileAsked([&] { actions->saveData(0); },
               [&](QFileDialog& dialog) {
                   EXPECT_EQ(QFileInfo(dialog.directory().path()), QFileInfo(folder("Lesson")));
                   dialog.reject();
               });
}

}

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/forms/caption_fit.h"
#include "tests/forms/form_states.h"

#include "platform/forms/form.h"

#include <QDir>
#include <QDirIterator>
#include <QSaveFile>
#include <QTest>

// Every form state of the program's table: the form's picture goes to the gallery, then every
// caption and picture must fit its control.

namespace forms_check {

void FormEnvironment::copyFolderFromSuite(const QString& folder) const
{
    const QDir suite(QStringLiteral(TAVORO_SUITE_DIR));
    QDirIterator files(suite.filePath(folder), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        copyFromSuite(suite.relativeFilePath(files.next()));
}

Look afterF6(const Look& look)
{
    return [look](platform::Form& window) {
        QTest::keyClick(&window, Qt::Key_F6);
        look(window);
    };
}

void lookAndClose(const QString& form, const Look& look)
{
    testing_support::whenShown(form, [look](platform::Form& dialog) {
        look(dialog);
        dialog.unload();
    });
}

namespace {

const QString kProgram = QStringLiteral(FORMS_PROGRAM);

QString pictureName(const FormState& entry, bool fullScreen)
{
    return QStringLiteral("%1-%2-%3%4.png")
        .arg(kProgram, QString::fromUtf8(entry.form), QString::fromUtf8(entry.state),
             fullScreen ? QStringLiteral("-Vollbild") : QString());
}

// The index lists every picture in the folder, so each program's run adds its own; written whole
// and renamed, a run beside another never leaves half a page.
void writeIndex(const QDir& gallery)
{
    QString page = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Tavoro: alle Fenster"
                                  "</title></head>\n<body>\n<h1>Tavoro: alle Fenster</h1>\n");
    QString program;
    for (const QString& file : gallery.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
        const QString owner = file.section(QLatin1Char('-'), 0, 0);
        if (owner != program) {
            program = owner;
            page += QStringLiteral("<h2>%1</h2>\n").arg(program.toHtmlEscaped());
        }
        const QString title = file.section(QLatin1Char('-'), 1).chopped(4).toHtmlEscaped();
        page += QStringLiteral("<figure style=\"display:inline-block\"><img src=\"%1\"><figcaption>%2</figcaption>"
                               "</figure>\n")
                    .arg(file.toHtmlEscaped(), title);
    }
    page += QStringLiteral("</body></html>\n");
    QSaveFile index(gallery.filePath(QStringLiteral("index.html")));
    if (index.open(QIODevice::WriteOnly)) {
        index.write(page.toUtf8());
        index.commit();
    }
}

void addToGallery(const FormState& entry, bool fullScreen, platform::Form& form)
{
    QDir gallery(QStringLiteral(TAVORO_GALLERY_DIR));
    gallery.mkpath(QStringLiteral("."));
    form.grab().save(gallery.filePath(pictureName(entry, fullScreen)));
    writeIndex(gallery);
}

// Every form state twice: on a normal screen, and in "Vollbild" on a 1920 x 1080 screen, as a
// program runs that was started in the 640 x 480 mode: the layout scaled 2.25 times.
using Case = std::tuple<std::size_t, bool>;

class FormStateTest : public FormEnvironment, public testing::WithParamInterface<Case> {};

TEST_P(FormStateTest, EveryCaptionAndPictureFitsItsControl)
{
    const auto [index, fullScreen] = GetParam();
    const FormState& entry = formStates().at(index);
    if (fullScreen) {
        display->screenRect = display->work = QRect(0, 0, 1920, 1080);
        display->setLowResolution(true);
    }
    int looks = 0;
    QStringList problems;
    entry.show(*this, [&](platform::Form& form) {
        ++looks;
        addToGallery(entry, fullScreen, form);
        problems = captionProblems(form);
    });
    ASSERT_EQ(looks, 1) << "the entry must show its form once";
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

std::string testName(const testing::TestParamInfo<Case>& info)
{
    const auto [index, fullScreen] = info.param;
    const FormState& entry = formStates().at(index);
    std::string name = kProgram.toStdString() + "_" + entry.form + "_" + entry.state + (fullScreen ? "_Vollbild" : "");
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Forms, FormStateTest,
                         testing::Combine(testing::Range<std::size_t>(0, formStates().size()), testing::Bool()),
                         testName);

} // namespace
} // namespace forms_check

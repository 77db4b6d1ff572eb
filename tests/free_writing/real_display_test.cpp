// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real free writing program on a private X server, started as the launcher starts it from a
// folder that is not the program folder: the real keyboard and real clicks write a text, the
// print button prints it (to a PDF, the machine having no printer), and its end starts the
// real launcher with the pupil's name.
#include "tests/support/fixture.h"
#include "tests/printing/pdf_reader.h"
#include "tests/support/xserver.h"

#include "platform/files.h"

#include <QDir>
#include <QProcess>
#include <QTest>


namespace {

using testing_support::PrivateXServer;
using testing_support::twipsCentre;

const QPoint kCapitalBox = twipsCentre(8160, 120, 1215, 1035);
const QPoint kKeyU = twipsCentre(2640, 120, 770, 1035);
const QPoint kKeyL = twipsCentre(4320, 1200, 770, 1035);
const QPoint kKeySch = twipsCentre(6720, 120, 1260, 1035);
const QPoint kPrint = twipsCentre(8160, 4440, 1215, 735);
const QPoint kEnd = twipsCentre(8160, 5520, 1215, 735);

class FreeWritingDisplayTest : public testing_support::SuiteTest {
protected:
    FreeWritingDisplayTest()
    {
        // With the printer module, which the program opens at its first print.
        for (const char* program : {"Kritzlon", "startomo", "libtavoro_printer.so"})
            copyFromSuite(program);
        // Logging under names on, no backdrop, the launcher restarted at the end.
        QStringList options(11, platform::formatNumber(0));
        options[10] = platform::formatNumber(1);
        writeOptionFiles(options);
        writeFile(dataDir() + "/options3.ini", {platform::formatNumber(1)});
    }

    QStringList printedWords() const
    {
        const QFileInfoList pdfs = QDir(dataDir() + "/Ausdrucke").entryInfoList({"*.pdf"}, QDir::Files);
        QStringList words;
        if (pdfs.size() == 1)
            for (const pdf_reader::Word& word : pdf_reader::words(pdfs.first().filePath()))
                words << word.text;
        return words;
    }
};

TEST_F(FreeWritingDisplayTest, RealKeysWriteATextThatIsPrintedAndTheEndStartsTheLauncher)
{
    PrivateXServer x;
    ASSERT_TRUE(x.running());
    QProcessEnvironment env = x.environment();
    env.insert("CUPS_SERVER", root.path() + "/no-cups");
    QProcess kritzlon;
    startProgram(kritzlon, "Kritzlon", {QString("Q /p=\"%1\" /n=\"Max\"").arg(dataDir())}, env);
    const qulonglong window = x.waitForWindow("QL Kritzlon ;   <F6> für Lehrermenü", 60000);
    ASSERT_NE(window, 0u);

    x.key(window, {"M", "a", "u", "s"});
    // The ticked capital box has the focus: the space bar writes a blank and leaves it ticked.
    x.click(window, kCapitalBox);
    x.key(window, {"space"});
    x.click(window, kKeyU);
    x.click(window, kKeyL);
    x.key(window, {"space", "B", "adiaeresis", "r"});
    // "sch" goes at once; the at sign and Enter write nothing.
    x.click(window, kKeySch);
    x.key(window, {"BackSpace", "at", "Return"});
    x.click(window, kPrint);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !printedWords().isEmpty(); }, 20000));
    EXPECT_EQ(printedWords(), QStringList({"Maus", "Ul", "Bär"}));

    // The message that tells where the PDF went is answered.
    const qulonglong message = x.waitForWindow("QL Kritzlon", 10000);
    ASSERT_NE(message, 0u);
    x.key(message, {"Return"});
    x.click(window, kEnd);
    ASSERT_TRUE(kritzlon.waitForFinished(10000));
    EXPECT_EQ(kritzlon.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(startedLauncher(), QStringList{"/n=\"Max\""});
}

} // namespace

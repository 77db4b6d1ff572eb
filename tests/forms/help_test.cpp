// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every help entry of the program, used as the teacher uses it (F1, the teacher menu's item, the
// options dialog's buttons), opens the suite's help window at its page.
#include "tests/forms/form_states.h"

#include "platform/forms/form.h"

#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace forms_check {
namespace {

using Use = std::function<void(platform::Form&)>;

struct HelpEntry {
    const char* program;
    const char* form;    // the form state of the program's table the entry is used in
    const char* state;
    const char* entry;   // for the test's name
    Use use;
    const char* title;   // of the page it opens
};

Use pressF1()
{
    return [](platform::Form& form) {
        // Keys reach the window that has the keyboard.
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F1);
    };
}

Use teacherMenu(const char* item)
{
    return [item](platform::Form& form) {
        auto* menu = form.findChild<QMenu*>(QStringLiteral("dasmenu"));
        auto* action = form.findChild<QAction*>(QString::fromUtf8(item));
        ASSERT_TRUE(menu && action) << item;
        testing_support::clickMenuItem(form, menu, action);
    };
}

Use button(const char* name)
{
    return [name](platform::Form& form) {
        auto* b = form.findChild<QPushButton*>(QString::fromUtf8(name));
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    };
}

const char* const kPackage = "Tavoro – Hilfe zum Programmpaket";

const std::vector<HelpEntry>& allEntries()
{
    static const std::vector<HelpEntry> entries{
        {"startomo", "Form1", "F6", "F1", pressF1(), kPackage},
        {"startomo", "Form1", "F6", "menu", teacherMenu("M_Hilfe_Paket"), kPackage},
        {"startomo", "Form2", "start", "Hilfe", button("Command1"), "Hilfe zu den Optionen"},
        {"startomo", "Form2", "start", "Weitere_Infos_Anlauttabelle", button("Command2"), "Eigene Anlauttabelle"},
        {"startomo", "Form2", "start", "Weitere_Infos_Bilder", button("Command3"), "Wörter mit eigenen Bildern"},
        {"plattix", "Form1", "F6", "menu", teacherMenu("Hilfe"), "Plattix – Wortpuzzle"},
        {"tastomat", "Form1", "F6", "menu", teacherMenu("Hilfe"), "Tastomat – Wörterschreibmaschine"},
        {"Kritzlon", "Form1", "F6", "menu", teacherMenu("Hilfe"), "Kritzlon – Freies Schreiben"},
        {"baudrom", "Form1", "F6", "menu", teacherMenu("Hilfe"), "Baudrom: Buchstaben – Wörter bauen"},
        {"baudromsilben", "Form1", "F6", "menu", teacherMenu("Hilfe"), "Baudrom: Silben – Wörter aus Silben bauen"},
        {"lesolum", "Form1", "F6", "menu", teacherMenu("Hilfe"), "Lesolum – Wörter lesen"},
        {"lesolum", "Form1", "F6", "F1", pressF1(), "Lesolum – Wörter lesen"},
        {"rateflor", "Form1", "F6", "menu", teacherMenu("Hilfe"), "Rateflor – Silbenrätsel"},
        {"Fugolin", "Form1", "F6", "menu", teacherMenu("Hilfe"), "Fugolin – Silbenpuzzle"},
        {"bogenblick", "Form1", "F6", "menu", teacherMenu("Hilfe"), "Bogenblick – Silben erkennen"},
    };
    return entries;
}

std::vector<HelpEntry> programEntries()
{
    std::vector<HelpEntry> mine;
    for (const HelpEntry& entry : allEntries())
        if (QString::fromUtf8(entry.program) == QStringLiteral(FORMS_PROGRAM))
            mine.push_back(entry);
    return mine;
}

void PrintTo(const HelpEntry& entry, std::ostream* os)
{
    *os << entry.title;
}

const FormState& formState(const HelpEntry& entry)
{
    for (const FormState& state : formStates())
        if (std::string(state.form) == entry.form && std::string(state.state) == entry.state)
            return state;
    throw std::runtime_error(std::string("no form state ") + entry.form + " " + entry.state);
}

class HelpEntryTest : public FormEnvironment, public testing::WithParamInterface<HelpEntry> {};
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(HelpEntryTest);

TEST_P(HelpEntryTest, OpensTheHelpWindowAtItsPage)
{
    const HelpEntry& entry = GetParam();
    useRealHelp();
    QString title;
    formState(entry).show(*this, [&](platform::Form& form) {
        entry.use(form);
        title = testing_support::shownHelpTitle();
    });
    EXPECT_EQ(title, QString::fromUtf8(entry.title));
    EXPECT_TRUE(messages->shown.empty()) << messages->texts().join('|').toStdString();
}

std::string testName(const testing::TestParamInfo<HelpEntry>& info)
{
    const HelpEntry& entry = info.param;
    std::string name = std::string(entry.program) + "_" + entry.form + "_" + entry.state + "_" + entry.entry;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Help, HelpEntryTest, testing::ValuesIn(programEntries()), testName);

} // namespace
} // namespace forms_check

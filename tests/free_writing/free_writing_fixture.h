#pragma once

#include "Form1.h"

#include "fixture.h"

#include "SuiteOptions.h"

#include <QTest>
#include <QToolButton>

#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// The free writing window started the way a pupil meets it: suite options written in the
// program folder, the command line set.
class FreeWritingTest : public testing_support::SuiteTest {
protected:
    FreeWritingTest();
    ~FreeWritingTest() override;

    void writeOptions(const SuiteOptions& o) const;
    Form1& start(const QString& arguments = QStringLiteral("Q"));
    void stop();

    static void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void pressKey(int index) const { click(form->Worttaste[static_cast<std::size_t>(index)]); }
    // Types on the real keyboard while `control` (the window when none) has the focus.
    void type(const QString& text, QWidget* control = nullptr) const;
    QString text() const { return form->Schrift->toPlainText(); }
    QString printButtonFile() const { return dataDir() + "/options3.ini"; }

    SuiteOptions options;
    ExerciseState state;
    std::unique_ptr<Form1> form;
};

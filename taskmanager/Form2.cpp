// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "taskmanager/Form2.h"

#include "taskmanager/Package.h"

#include "framework/SettingsAccess.h"

#include "platform/forms/end.h"
#include "platform/forms/events.h"
#include "platform/services.h"

#include <QEvent>
#include <QSignalBlocker>

namespace taskmanager {

Form2::Form2(TaskManagerState& state) : platform::Form(QStringLiteral("Form2")), state_(state)
{
    setCaption(QStringLiteral("Pensumo - Einstellungen"));
    platform::setControlFont(this, QStringLiteral("Arial"), 8);
    setClientSizeTwips(6900, 6405);
    QLabel* Label5 = addLabel(QStringLiteral("Label5"), QRect(120, 120, 6735, 495),
                              QStringLiteral("Achtung! Der Pensumo ist nicht lauffähig, wenn das Programm in "
                                             "einem Netzwerk zentral auf einem Server gespeichert ist"));
    Label5->setWordWrap(true);
    addLabel(QStringLiteral("Label1"), QRect(540, 825, 2055, 255), QStringLiteral("Speicherplatz Nr.:"));
    Platz = addComboBox(QStringLiteral("Platz"), QRect(2693, 750, 855, 315), [this] { Platz_Click(); });
    PosKill = addButton(QStringLiteral("PosKill"), QRect(5213, 840, 1215, 615), QStringLiteral("Position löschen"),
                        [this] { PosKill_Click(); });
    addLabel(QStringLiteral("Label2"), QRect(540, 1305, 2055, 255), QStringLiteral("Name des Speicherplatzes: "));
    Namen = addTextBox(QStringLiteral("Namen"), QRect(2693, 1230, 2175, 315));
    platform::onEvent(Namen, &QLineEdit::textChanged, this, [this] { Namen_Change(); });
    QLabel* Label4 = addLabel(QStringLiteral("Label4"), QRect(420, 1830, 6255, 255),
                              QStringLiteral("Reihenfolge der Programme, die gestartet werden:"));
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    const std::array<int, kPositions> tops{2280, 2640, 3000, 3360, 3720};
    const std::array<int, kPositions> labelTops{2385, 2760, 3120, 3480, 3840};
    for (int i = 0; i < kPositions; ++i) {
        addLabel(QStringLiteral("Label3(%1)").arg(i), QRect(540, labelTops[i], 1455, 255),
                 QStringLiteral("Programm %1:").arg(i + 1));
        Programm1[i] = addComboBox(QStringLiteral("Programm1(%1)").arg(i), QRect(2100, tops[i], 4095, 315),
                                   [this, i] { Programm1_Click(i); });
    }
    ProtokollCheck = addCheckBox(QStringLiteral("ProtokollCheck"), QRect(600, 4320, 6015, 375),
                                 QStringLiteral("Protokoll unter dem Schülernamen speichern"), {});
    wiederholen = addCheckBox(QStringLiteral("wiederholen"), QRect(600, 4800, 6255, 375),
                              QStringLiteral("Bei zu vielen Fehlern muss das entsprechende Programm wiederholt werden"),
                              [this] { wiederholen_Click(); });
    MaxErrorsLabel = addLabel(QStringLiteral("MaxErrorsLabel"), QRect(960, 5160, 1815, 285),
                              QStringLiteral("Maximal erlaubte Fehler:"));
    MaxErrors = addTextBox(QStringLiteral("MaxErrors"), QRect(2880, 5160, 375, 285), QStringLiteral("3"));
    platform::onEvent(MaxErrors, &QLineEdit::textChanged, this, [this] { MaxErrors_Change(); });
    MaxErrors->installEventFilter(this);
    MaxErrorsLabel->hide();
    MaxErrors->hide();
    Command1 = addButton(QStringLiteral("Command1"), QRect(503, 5670, 1815, 495), QStringLiteral("Speichern und OK"),
                         [this] { Command1_Click(); });
    Speichern = addButton(QStringLiteral("Speichern"), QRect(2543, 5670, 1815, 495), QStringLiteral("Speichern"),
                          [this] { Speichern_Click(); });
    Command2 = addButton(QStringLiteral("Command2"), QRect(4583, 5670, 1815, 495), QStringLiteral("Abbrechen"),
                         [this] { Command2_Click(); });
}

void Form2::Form_Load()
{
    centerOnScreen();
    const QStringList choices = programChoices(state_.settings.Programmpaket);
    for (QComboBox* list : Programm1) {
        const QSignalBlocker quiet(list);
        list->addItems(choices);
    }
    ProtokollCheck->setChecked(state_.settings.loggingOn());
    if (state_.settings.repeatsForErrors()) {
        wiederholen->setChecked(true);
        MaxErrors->setText(QString::number(state_.settings.allowedErrors));
    }
    for (int i = 1; i <= kSetCount; ++i)
        Platz->addItem(QString::number(i));
    Platz->setCurrentIndex(0);
}

TaskSet& Form2::editedSet()
{
    return state_.settings.sets[editedSet_ - 1];
}

void Form2::Platz_Click()
{
    editedSet_ = Platz->currentIndex() + 1;
    if (Platz->currentIndex() < 0)
        return;
    const TaskSet set = editedSet();
    Namen->setText(set.name);
    // A stored index this package's list lacks shows as no choice and stays as stored.
    for (int i = 0; i < kPositions; ++i)
        Programm1[i]->setCurrentIndex(set.indices[i] < Programm1[i]->count() ? set.indices[i] : -1);
}

void Form2::Namen_Change()
{
    editedSet().name = Namen->text();
}

void Form2::Programm1_Click(int index)
{
    if (Programm1[index]->currentIndex() >= 0)
        editedSet().indices[index] = Programm1[index]->currentIndex();
}

void Form2::PosKill_Click()
{
    for (QComboBox* list : Programm1)
        list->setCurrentIndex(0);
    editedSet().indices = {};
    Namen->setText(QStringLiteral("leer"));
}

void Form2::wiederholen_Click()
{
    MaxErrors->setVisible(wiederholen->isChecked());
    MaxErrorsLabel->setVisible(wiederholen->isChecked());
}

void Form2::MaxErrors_Change()
{
    const QString text = MaxErrors->text();
    if (!text.isEmpty() && !(text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')))
        MaxErrors->setText(QStringLiteral("3"));
}

void Form2::MaxErrors_Click()
{
    MaxErrors->setSelection(0, 1);
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    // The click selects the digit, so that typing replaces it.
    if (watched == MaxErrors && event->type() == QEvent::MouseButtonRelease)
        platform::runHandler([this] { MaxErrors_Click(); });
    return platform::Form::eventFilter(watched, event);
}

bool Form2::Speichern_Click()
{
    ManagerSettings& s = state_.settings;
    s.logging = ProtokollCheck->isChecked() ? ManagerSettings::kLoggingOn : 0;
    s.allowedErrors =
        wiederholen->isChecked() ? toInt16(platform::parseNumber(MaxErrors->text())) : ManagerSettings::kNeverRepeat;
    if (const platform::FileError error = writeManagerFile(state_.managerFile(), s); error.failed()) {
        platform::msgBox(error.message);
        return false;
    }
    return true;
}

void Form2::Command1_Click()
{
    // A failed save keeps the editor open, so the teacher's edits are not lost.
    if (Speichern_Click())
        unload();
}

void Form2::Command2_Click()
{
    unload();
}

} // namespace taskmanager

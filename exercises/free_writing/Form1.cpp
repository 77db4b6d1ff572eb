// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/free_writing/Form1.h"

#include "exercises/free_writing/FreeWritingKeyboard.h"
#include "exercises/free_writing/FreeWritingPrinting.h"

#include "exercises/common/InitialSoundKeys.h"
#include "exercises/common/SettingsNumberFile.h"

#include "platform/forms/application.h"
#include "platform/forms/events.h"
#include "platform/forms/twips.h"

#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QToolButton>

namespace free_writing {

namespace {

constexpr int kSpace = 32;
constexpr int kBackspace = 8;

ExerciseConfig freeWritingConfig()
{
    return {.program = QStringLiteral("Kritzlon"),
            .appTitle = QStringLiteral("QL Kritzlon"),
            .logTitle = QStringLiteral("Kritzlon"),
            .helpMapId = 3,
            .smallHeight = 6825,
            .largeHeight = 7095,
            .scratch = ExerciseConfig::ScratchFile::None,
            .assignments = false,
            .resultsLog = false,
            .tasks = false};
}

// Spelled "Zeitpunkt" here, unlike the suite's kSettingsLockedMessage: both are intended.
const char* const kPrintButtonLockedMessage =
    "Ich konnte die Programmeinstellungen nicht laden. Eventuell werden diese momentan geändert. "
    "Versuchen Sie, das Programm zu einem späteren Zeitpunkt noch einmal zu starten.";

// "options3.ini": the print button, 0 (hidden, also for an empty file) or 1 (shown).
SettingsNumberFile printButtonFile()
{
    return {QStringLiteral("options3.ini"), 0, QString::fromUtf8(kPrintButtonLockedMessage)};
}

// The capital box is narrower than its caption: its box stands above the caption, centred.
class BoxAboveCaption : public QProxyStyle {
public:
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override
    {
        const QRect all = option->rect;
        const int side = pixelMetric(PM_IndicatorWidth, option, widget);
        switch (element) {
        case SE_CheckBoxIndicator:
            return {all.center().x() - side / 2, all.center().y() - side - 2, side, side};
        case SE_CheckBoxContents:
        case SE_CheckBoxFocusRect:
            return {all.left(), all.center().y() + 2, all.width(), all.height() / 2 - 2};
        case SE_CheckBoxClickRect:
            return all;
        default:
            return QProxyStyle::subElementRect(element, option, widget);
        }
    }
};

class CapitalBox : public QCheckBox {
public:
    explicit CapitalBox(QWidget* parent) : QCheckBox(QStringLiteral("Großbuchstabe"), parent)
    {
        auto* layout = new BoxAboveCaption;
        layout->setParent(this);
        setStyle(layout);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect all = option.rect;
        option.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
        option.rect = all;
        painter.drawText(style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this),
                         Qt::AlignHCenter | Qt::AlignTop, text());
    }
};

} // namespace

Form1::Form1(ExerciseState& s) : ExerciseForm(s, freeWritingConfig())
{
    setCaption(QStringLiteral("QL Kritzlon ;   <F6> für Lehrermenü"));
    setGeometryTwips(0, 0, 9600, config.smallHeight);
    addKeys();
    addControls();
    addMenus();
}

Form1::~Form1() = default;

void Form1::addKeys()
{
    Worttaste = initial_sound_keys::addKeys(
        *this, kFreeWritingKeys,
        [](const FreeWritingKey& key) { return QRect(key.left, key.top, key.width, kFreeWritingKeyHeight); },
        [this](int index) { Worttaste_Click(index); });
}

void Form1::addControls()
{
    Schrift = addMultiLineTextBox(QStringLiteral("Schrift"), {120, 3600, 7695, 2655});
    platform::setControlFont(Schrift, QStringLiteral("Arial"), 21.75, true);
    // The text changes only through the keys.
    Schrift->setReadOnly(true);
    Schrift->setTextInteractionFlags(Qt::NoTextInteraction);
    Schrift->setFocusPolicy(Qt::NoFocus);
    platform::onEvent(Schrift, &QTextEdit::textChanged, this, [this] { Schrift_Change(); });
    Gross1 = new CapitalBox(client());
    Gross1->setObjectName(QStringLiteral("Groß1"));
    Gross1->setGeometry(platform::twipsRect(8160, 120, 1215, 1035));
    platform::onEvent(Gross1, &QCheckBox::stateChanged, this, [this] { Gross1_Click(); });
    Loeschen = addButton(QStringLiteral("Löschen"), {8160, 2280, 1215, 735}, QStringLiteral("radieren"),
                         [this] { Loeschen_Click(); });
    weiter = addButton(QStringLiteral("weiter"), {8160, 3600, 1215, 735}, QStringLiteral("Neu"),
                       [this] { weiter_Click(); });
    Command1 = addButton(QStringLiteral("Command1"), {8160, 4440, 1215, 735}, QStringLiteral("Drucken"),
                         [this] { Command1_Click(); });
    Command1->hide();
    for (QWidget* control : std::initializer_list<QWidget*>{Loeschen, weiter, Command1})
        platform::setControlFont(control, QStringLiteral("Arial"), 9.75, true);
    platform::setControlFont(Gross1, QStringLiteral("Arial"), 8, true);
    addEndButton({8160, 5520, 1215, 735});
}

void Form1::addMenus()
{
    addTeacherSeparator();
    Drucken1 = addTeacherItem(QStringLiteral("Drucken1"), QStringLiteral("&Lauttabelle drucken"),
                              [this] { Drucken1_Click(); });
    addTeacherSeparator();
    Dan = printButtonItems_.add(
        addTeacherItem(QStringLiteral("Dan"), QStringLiteral("Druckknopf &an"), [this] { Dan_Click(); }));
    Daus = printButtonItems_.add(
        addTeacherItem(QStringLiteral("Daus"), QStringLiteral("Druckknopf a&us"), [this] { Daus_Click(); }));
}

void Form1::loadProgramSettings()
{
    Druckknopf = printButtonFile().read(state.DataDir);
}

void Form1::startExercise()
{
    text_ = FreeText(state.options.capitalsOnly());
    if (Druckknopf == 1)
        Dan_Click();
    else if (Druckknopf == 0)
        Daus_Click();
    if (state.options.capitalsOnly())
        showCapitalCaptions();
    if (state.options.ownKeyPicturesKritzlon())
        loadOwnKeyPictures();
    weiter_Click();
}

void Form1::showCapitalCaptions()
{
    for (int i = 0; i < kSpaceKey; ++i)
        Worttaste[static_cast<std::size_t>(i)]->setText(
            QString::fromUtf8(kFreeWritingKeys[static_cast<std::size_t>(i)].capitalsCaption));
    Gross1->hide();
}

void Form1::loadOwnKeyPictures()
{
    initial_sound_keys::loadOwnPictures(
        {Worttaste.begin(), Worttaste.begin() + kSpaceKey}, QStringLiteral("Kritzlon"),
        QStringLiteral("Die Bilder für die Anlauttabelle konnten nicht fehlerfrei geladen werden!"));
}

void Form1::Worttaste_Click(int index)
{
    const FreeWritingKey& key = kFreeWritingKeys.at(static_cast<std::size_t>(index));
    TransferCode = QString::fromUtf8(AktNummer == 1 ? key.capital : key.small);
    append(TransferCode);
    ++AktNummer;
    clearCapitalBox();
}

void Form1::Gross1_Click()
{
    AktNummer = Gross1->isChecked() ? 1 : 11;
}

void Form1::clearCapitalBox()
{
    // A change of the box runs its click handler, which sets the small form.
    Gross1->setChecked(false);
}

void Form1::Form_KeyPress(int& keyAscii)
{
    if (keyAscii == kBackspace) {
        Loeschen_Click();
    } else if (FreeText::typeable(keyAscii)) {
        append(platform::characterText(keyAscii));
        clearCapitalBox();
        return;
    }
    keyAscii = 0;
}

void Form1::Form_KeyDown(int& keyCode, int shift)
{
    if (keyCode == kSpace) {
        append(QStringLiteral(" "));
        keyCode = 0;
        return;
    }
    ExerciseForm::Form_KeyDown(keyCode, shift);
}

void Form1::Loeschen_Click()
{
    text_.erase();
    showText();
    clearCapitalBox();
}

void Form1::weiter_Click()
{
    AktNummer = 11;
    clearCapitalBox();
    text_.clear();
    showText();
    WortName.clear();
}

void Form1::Schrift_Change()
{
    WortName = Schrift->toPlainText();
}

void Form1::append(const QString& piece)
{
    text_.append(piece);
    showText();
}

void Form1::showText()
{
    Schrift->setPlainText(text_.text());
    Schrift->verticalScrollBar()->setValue(Schrift->verticalScrollBar()->maximum());
}

void Form1::Dan_Click()
{
    setPrintButton(1);
}

void Form1::Daus_Click()
{
    setPrintButton(0);
}

void Form1::setPrintButton(int flag)
{
    Druckknopf = flag;
    Command1->setVisible(flag == 1);
    printButtonItems_.check(flag == 1 ? Dan : Daus);
    printButtonFile().save(state.DataDir, Druckknopf);
}

void Form1::Command1_Click()
{
    printText(*this);
}

void Form1::Drucken1_Click()
{
    printSoundTables(*this);
}

} // namespace free_writing

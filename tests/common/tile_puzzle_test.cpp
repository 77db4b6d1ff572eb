#include "tile_puzzle_test.h"

#include "Qualitaet.h"

namespace testing_support::tile_puzzle {

void clickTile(const TilePuzzleForm& form, int tile)
{
    QTest::mouseClick(form.Bezeichnung[static_cast<std::size_t>(tile)], Qt::LeftButton);
}

void clickText(const TilePuzzleForm& form, const QString& text)
{
    for (std::size_t i = 0; i < form.Bezeichnung.size(); ++i)
        if (form.Bezeichnung[i]->isVisible() && form.Bezeichnung[i]->text() == text) {
            clickTile(form, static_cast<int>(i));
            return;
        }
    ADD_FAILURE() << "no tile shows " << text.toStdString();
}

void buildWord(const TilePuzzleForm& form)
{
    while (form.Richtig->isHidden() && !form.board.expected().isEmpty()) {
        const QString before = form.Bezeichnung8->text();
        clickText(form, form.board.expected());
        if (form.Bezeichnung8->text() == before)
            return;
    }
}

int wrongTile(const TilePuzzleForm& form)
{
    for (std::size_t i = 0; i < form.Bezeichnung.size(); ++i) {
        const QString text = form.Bezeichnung[i]->text();
        if (!text.trimmed().isEmpty() && text != form.board.expected())
            return static_cast<int>(i);
    }
    return -1;
}

QStringList tileTexts(const TilePuzzleForm& form)
{
    QStringList texts;
    for (QLabel* tile : form.Bezeichnung)
        texts << tile->text();
    return texts;
}

void printWorksheets(TilePuzzleForm& form, bool all, QString* allCaption)
{
    whenShown("Qualität", [all, allCaption](platform::Form& shown) {
        auto& dialog = static_cast<Qualitaet&>(shown);
        if (allCaption)
            *allCaption = dialog.alle->text();
        if (all)
            QTest::mouseClick(dialog.alle, Qt::LeftButton);
        QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    });
    form.Drucken->trigger();
}

QStringList printedWords(const FakePrinter& printer)
{
    QStringList words;
    for (const PrintedItem& item : printer.printedItems())
        if (item.kind == PrintedItem::Kind::Text)
            words << item.text;
    return words;
}

} // namespace testing_support::tile_puzzle

// SPDX-FileCopyrightText: 2026 Tavoro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/common/Answers.h"
#include "exercises/common/ExerciseConfig.h"
#include "framework/ExerciseState.h"

#include "platform/forms/form.h"
#include "platform/single_instance.h"

#include <QString>

#include <memory>

class BlackBack;
class LevelDialog;
class ProtokollClass;

// The main window `Form1` of an exercise: its start-up, teacher menu, help, closing rules,
// next-task rules and the return to the launcher. A program adds its own controls and states
// its own start-up steps and next task.
class ExerciseForm : public platform::Form {
    Q_OBJECT
public:
    ExerciseForm(ExerciseState& state, ExerciseConfig config);
    ~ExerciseForm() override;

    ExerciseState& state;
    const ExerciseConfig config;

    // The pupil's results log, created on first use.
    ProtokollClass& Proto();
    // The backdrop of a program with a backdrop controller, while suite option 1 shows it.
    std::unique_ptr<BlackBack> HG;

    QMenu* dasmenu = nullptr;
    QAction* Hilfe = nullptr;
    QAction* M_Leer = nullptr;
    QAction* M_Ende = nullptr;
    QAction* WFehler = nullptr;
    // The level items, when the program adds them.
    QAction* WLeicht = nullptr;
    QAction* WSchwer = nullptr;
    QAction* WAlle = nullptr;
    QAction* WEigene = nullptr;
    // Placed by the program's own layout.
    QPushButton* Ende = nullptr;
    QPushButton* Neues = nullptr;
    QLabel* Richtig = nullptr;
    QLabel* Falsch = nullptr;

    void Ende_Click();
    void Hilfe_Click();
    void M_Ende_Click();
    void Neues_Click();
    // "Weiter trotz Fehler": the task counts as wrong and the next one comes. A program whose
    // teacher "Weiter" starts afresh without counting overrides it.
    virtual void WFehler_Click();

protected:
    // The next-task button ("Neues"; "Command1" in the picture exercises) and the end button,
    // with their pictures and the common handlers.
    QPushButton* addNextTaskButton(const QString& name, const QRect& twips);
    QPushButton* addEndButton(const QRect& twips);
    // The right and wrong marks `Richtig` and `Falsch`, both at `twips`, hidden.
    void addMarks(const QRect& twips);

    // Items of the teacher menu go before its closing "Ende" entries.
    QAction* addTeacherItem(const QString& name, const QString& caption, std::function<void()> onClick);
    QAction* addTeacherSeparator();
    // A teacher menu item for a level or word set: of these one at a time carries the check mark.
    QAction* addLevelItem(const QString& name, const QString& caption, std::function<void()> onClick);
    // The level items "&Leichte Wörter", "&Schwere Wörter", "&Alle Wörter" and, when `eigene` is
    // given, the hidden "Wörter mit eigenen &Bildern".
    void addLevelItems(std::function<void()> leicht, std::function<void()> schwer,
                       std::function<void()> alle, std::function<void()> eigene = {});
    // The check mark on `item` alone among the level items.
    void checkLevel(const QAction* item) { levels_.check(item); }
    // The level dialog with the given buttons and, while suite option 8 offers own pictures, the
    // own-pictures button with `ownPicturesCaption`, which shows `WEigene` too. Returns as
    // `askLevel` does.
    int askLevelOfferingOwnPictures(LevelDialog& dialog, const QStringList& captions,
                                    const QString& ownPicturesCaption);
    // The level dialog "leichte Wörter", "schwerere Wörter", "alle Wörter" and, with own pictures,
    // "Wörter mit eigenen Bildern". Runs the chosen level's handler; a dialog closed without a
    // button gives all words.
    void askWordLevel(const std::function<void()>& easy, const std::function<void()>& harder,
                      const std::function<void()>& all, const std::function<void()>& ownPictures);
    // The level dialog of the syllable exercises: "Wörter mit drei Silben", "Wörter mit vier oder
    // mehr Silben", "alle Wörter", "noch mehr Wörter", "eigene Wörter" and, with own pictures,
    // "Wörter aus eigenen Bildern". Returns as `askLevel` does.
    int askSyllableLevel();
    // Too few of the teacher's own pictures for the level made of them: the teacher is told
    // that there are none (or, where a task needs several, too few), and the exercise goes on
    // with all built-in words through `allWords`.
    enum class OwnPicturesShortage { None, TooFew };
    void fallBackToBuiltInWords(OwnPicturesShortage shortage, const std::function<void()>& allWords);

    // The program's own settings (after the help file) and the rest of its start-up.
    virtual void loadProgramSettings() {}
    virtual void startExercise() {}
    // The program's next task, at the end of Neues_Click.
    virtual void nextTask() {}

    void Form_Load() override;
    bool Form_QueryUnload(platform::UnloadMode mode) override;
    void Form_Unload() override;
    void Form_KeyDown(int& keyCode, int shift) override;

    bool solved() const { return Richtig && !Richtig->isHidden(); }
    // `Richtig` or `Falsch` shown in place of the other, or neither.
    void showMark(exercise::Mark mark);
    // The pupil's answer to the current task: its mark, right or wrong, in place of the other,
    // and the answer recorded (Answers.h).
    void markAnswer(bool right);

    // The block result dialog, once `blockSize` tasks are done and suite option 6 or an
    // assignment asks for it.
    void showBlockResultWhenDue(int blockSize);

private:
    bool secondInstance();
    void placeWindow();
    void readCommandLine();
    void startLog(const QString& logPath);
    void showBlockResult(int blockSize);
    void returnToLauncher();
    void removeBackdrop();

    platform::CheckGroup levels_;
    std::unique_ptr<platform::SingleInstance> instance_;
    std::unique_ptr<ProtokollClass> proto_;
};

#include "Form1.h"
#include "LetterWords.h"

#include "ExerciseMain.h"

int main(int argc, char** argv)
{
    const LetterWords letters;
    return runExercise<Form1>(argc, argv, letters);
}

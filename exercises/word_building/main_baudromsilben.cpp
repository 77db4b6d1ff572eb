#include "Form1.h"
#include "SyllableWords.h"

#include "ExerciseMain.h"

int main(int argc, char** argv)
{
    const SyllableWords syllables;
    return runExercise<Form1>(argc, argv, syllables);
}

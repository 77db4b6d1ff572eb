#include "Form1.h"
#include "SyllableBuildingWords.h"

#include "ExerciseMain.h"

int main(int argc, char** argv)
{
    const SyllableBuildingWords syllables;
    return runExercise<Form1>(argc, argv, syllables);
}

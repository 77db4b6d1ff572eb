#include "exercises/syllable_puzzle/Form1.h"

#include "exercises/common/ExerciseMain.h"

int main(int argc, char** argv)
{
    return runExercise<syllable_puzzle::Form1>(argc, argv);
}

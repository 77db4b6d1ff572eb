#include "exercises/syllable_riddle/Form1.h"

#include "exercises/common/ExerciseMain.h"

int main(int argc, char** argv)
{
    return runExercise<syllable_riddle::Form1>(argc, argv);
}

#include "exercises/syllable_marking/Form1.h"

#include "exercises/common/ExerciseMain.h"

int main(int argc, char** argv)
{
    return runExercise<syllable_marking::Form1>(argc, argv);
}

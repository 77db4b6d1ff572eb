#include "exercises/word_reading/Form1.h"

#include "exercises/common/ExerciseMain.h"

int main(int argc, char** argv)
{
    return runExercise<word_reading::Form1>(argc, argv);
}

#include "exercises/typewriter/Form1.h"

#include "exercises/common/ExerciseMain.h"

int main(int argc, char** argv)
{
    return runExercise<typewriter::Form1>(argc, argv);
}

// The program itself, for tests that start it as a separate process.
#include "shell/tdotsapp.h"

int main(int argc, char** argv) { return OwlMain(argc, argv); }

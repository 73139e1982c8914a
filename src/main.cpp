#include "shell/tdotsapp.h"

int main(int argc, char** argv) { return OwlMain(argc, argv); }

int OwlMain(int argc, char** argv);

int main(int argc, char** argv) { return OwlMain(argc, argv); }

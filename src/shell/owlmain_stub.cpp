int OwlMain(int, char**) { return 0; }

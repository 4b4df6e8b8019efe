// The smallest Windows program with the runtime's icon resource: the icon tests link against it
// to check the icon replacement on a file laid out by the real resource compiler and linker.
int main() { return 0; }

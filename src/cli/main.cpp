// velmora-cli: the archives from the command line (read-only).
#include <cstdio>
int main() { std::fputs("velmora-cli: not built yet\n", stderr); return 2; }

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("quilmar-cli 5.2");
        return 0;
    }
    std::fputs("usage: quilmar-cli [--root DIR] COMMAND ...\n", stderr);
    return 2;
}

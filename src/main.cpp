#include <cstdio>

int main() {
    std::fputs("slidewright: converting is not available in this build yet\n", stderr);
    return 2;
}

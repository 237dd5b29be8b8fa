#include <cstdio>

// Not built yet.
int main() {
    std::puts("error: the driver is not built yet");
    return 1;
}

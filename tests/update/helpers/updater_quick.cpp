// Test helper: an updater that ends at once, leaving a mark in its working folder and its arguments.
#include <fstream>

int main(int argc, char**) {
    std::ofstream("started.txt") << "arguments " << argc - 1 << '\n';
    return 3; // the exit code is never looked at
}

// Test helper: an updater that outlives the shortened wait, then leaves a mark in its working folder.
#include <chrono>
#include <fstream>
#include <thread>

int main() {
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    std::ofstream("finished.txt") << "done\n";
    return 0;
}

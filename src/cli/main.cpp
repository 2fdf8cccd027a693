#include <iostream>

int main(int argc, char** argv) {
    (void)argv;
    if (argc < 2) {
        std::cerr << "usage: tavelune-cli plan JOB.deb [--json]\n";
        return 2;
    }
    return 0;
}

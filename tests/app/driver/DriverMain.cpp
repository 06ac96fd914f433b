// The driver of velorin.exe: GoogleTest cases that start the real program and use it.
//   velorin_driver --velorin=EXE --data=DIR --expected=DIR --work=DIR --shots=DIR
//                  --example=TXT --cli=EXE [--readonly=DIR]
// Paths may be given as paths of the build machine ("/..."), which Wine reaches as Z:.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tests/app/driver/Driver.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    driver::Paths& paths = driver::paths();
    struct Option {
        const char* name;
        std::string* value;
        bool required;
    } options[] = {{"--velorin=", &paths.velorin, true},   {"--data=", &paths.data, true},
                   {"--expected=", &paths.expected, true}, {"--work=", &paths.work, true},
                   {"--shots=", &paths.shots, true},       {"--example=", &paths.example, true},
                   {"--cli=", &paths.cli, true},           {"--readonly=", &paths.readOnly, false}};
    for (int i = 1; i < argc; ++i) {
        bool known = false;
        for (const Option& option : options) {
            const std::size_t length = std::strlen(option.name);
            if (std::strncmp(argv[i], option.name, length) == 0) {
                *option.value = driver::windowsPath(argv[i] + length);
                known = true;
            }
        }
        if (!known) {
            std::fprintf(stderr, "unknown argument: %s\n", argv[i]);
            return 2;
        }
    }
    for (const Option& option : options) {
        if (option.required && option.value->empty()) {
            std::fprintf(stderr, "missing %s\n", option.name);
            return 2;
        }
    }
    CreateDirectoryA(paths.work.c_str(), nullptr);
    CreateDirectoryA(paths.shots.c_str(), nullptr);
    return RUN_ALL_TESTS();
}

// A second process for the marker tests. Reports on standard output:
//   instance_probe read NAME      "first", "taken XXXXXXXX" or "unreadable"
//   instance_probe activate NAME  "claimed" or "not claimed"
//   instance_probe mark FILE      leaves FILE + ".opened" (as a file type's
//                                 open command, for the shell-run tests)
// (a "first" probe holds the name only until it ends).

#include <cstdio>
#include <string>
#include <string_view>

#include "app/instance.h"
#include "sys/text.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: instance_probe read|activate NAME | mark FILE\n", stderr);
        return 2;
    }
    const std::wstring_view mode = argv[1];
    if (mode == L"mark") {
        std::FILE* marker = _wfopen((std::wstring(argv[2]) + L".opened").c_str(), L"wb");
        if (marker == nullptr) return 1;
        std::fclose(marker);
        return 0;
    }
    const corvina::Big5 name = corvina::Big5FromWide(argv[2]);
    if (mode == L"read") {
        const corvina::InstanceClaim claim = corvina::ClaimInstanceName(name, nullptr);
        if (claim.first) {
            std::puts("first");
        } else if (claim.running) {
            std::printf("taken %08X\n", static_cast<unsigned>(corvina::HandleBits(*claim.running)));
        } else {
            std::puts("unreadable");
        }
        return 0;
    }
    if (mode == L"activate") {
        std::puts(corvina::ClaimInstance(name, true) ? "claimed" : "not claimed");
        return 0;
    }
    return 2;
}

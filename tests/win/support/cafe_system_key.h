#pragma once
// The café system's registry key in the Wine prefix. The whole test run
// keeps it present, so that no start of the menu stops at the box that its
// absence shows; a test that needs it gone takes it away for its own time.

namespace corvina::test {

bool CafeSystemKeyExists();
void SetCafeSystemKey(bool present);

// Sets the key's presence and gives back the former state at the end.
class CafeSystemKeyScope {
public:
    explicit CafeSystemKeyScope(bool present) : before_(CafeSystemKeyExists()) { SetCafeSystemKey(present); }
    ~CafeSystemKeyScope() { SetCafeSystemKey(before_); }
    CafeSystemKeyScope(const CafeSystemKeyScope&) = delete;
    CafeSystemKeyScope& operator=(const CafeSystemKeyScope&) = delete;

private:
    bool before_;
};

}  // namespace corvina::test

// The reference a console picker's call is measured against: a console program that
// writes one line to standard output, as the picker does, and nothing else.
#include <windows.h>

int main() {
    static const char kLine[] = "#1A2B3C\r\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), kLine, sizeof kLine - 1, &written, nullptr);
    return 0;
}

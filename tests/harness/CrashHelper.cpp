// Crashes on purpose with an access violation; see tests/CMakeLists.txt.
int main()
{
    volatile int* nowhere = nullptr;
    *nowhere = 1;
    return 0;
}

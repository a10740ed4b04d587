// Writes through a null pointer: the suite checks that a crashing program
// ends at once instead of waiting for a debugger.
int main()
{
    int* volatile target = nullptr;
    *target = 1;
    return 0;
}

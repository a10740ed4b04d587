// Writes through a null pointer: the suite checks that a crashing program
// ends at once instead of waiting for a debugger.
int main()
{
    // The store itself is volatile: an optimiser may drop a plain one.
    int volatile* volatile target = nullptr;
    *target = 1;
    return 0;
}

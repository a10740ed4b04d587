// Writes through a null pointer: the suite checks that a crashing program
// ends at once instead of waiting for a debugger. The address comes from the
// argument count, so the compiler cannot see that it is null and drop the
// write.
#include <cstdint>

int main(int argc, char**)
{
    auto* target = reinterpret_cast<volatile int*>(static_cast<std::uintptr_t>(argc - 1));
    *target = 1;
    return 0;
}

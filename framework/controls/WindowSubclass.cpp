#include "framework/controls/WindowSubclass.h"

#include "framework/core/ScopeGuard.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace tandrel {

namespace {

struct TSubclassEntry {
    TSubclassProc Proc = nullptr; // none once removed while the chain ran
    UINT_PTR Id = 0;
    DWORD_PTR Data = 0;
};

// One window's chain: the last entry runs first. Entries keep their places
// while any of the window's messages is in the chain, so that a procedure
// removed or added meanwhile moves no running one.
struct TSubclassChain {
    WNDPROC Original = nullptr;
    std::vector<TSubclassEntry> Entries;
    int Running = 0; // the entry now running, counted from 1; 0 for none
    int Depth = 0;   // messages of the window in the chain
    bool Unhooked = false;
    bool Destroyed = false; // WM_NCDESTROY has come
};

LRESULT CALLBACK ChainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Windows are found from any thread; their chains are run by their own.
std::mutex g_chainsLock;
std::unordered_map<HWND, std::unique_ptr<TSubclassChain>> g_chains;

TSubclassChain* FindChain(HWND window)
{
    std::lock_guard const lock(g_chainsLock);
    auto const found = g_chains.find(window);
    return found == g_chains.end() ? nullptr : found->second.get();
}

void ForgetChain(HWND window)
{
    std::lock_guard const lock(g_chainsLock);
    g_chains.erase(window);
}

bool HasLiveEntries(const TSubclassChain& chain)
{
    for (const TSubclassEntry& entry : chain.Entries)
        if (entry.Proc)
            return true;
    return false;
}

// Called with no message of the window in the chain.
void Settle(HWND window, TSubclassChain& chain)
{
    std::erase_if(chain.Entries, [](const TSubclassEntry& entry) { return !entry.Proc; });
    if (!chain.Entries.empty())
        return;
    if (!chain.Unhooked && reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == &ChainProc) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain.Original));
        chain.Unhooked = true;
    }
    // A chain someone else's procedure still leads to stays, passing through.
    if (chain.Unhooked)
        ForgetChain(window);
}

// Runs the message from the live entry below `from` (counted from 1), or
// the window's own procedure. The chain is kept while any message of its
// window is in it, and settled when the last one leaves.
LRESULT Run(HWND window, TSubclassChain& chain, int from, UINT msg, WPARAM wParam, LPARAM lParam)
{
    int const saved = chain.Running;
    ++chain.Depth;
    if (msg == WM_NCDESTROY)
        chain.Destroyed = true;
    auto const leave = OnScopeExit([&] {
        chain.Running = saved;
        if (--chain.Depth > 0)
            return;
        if (!chain.Destroyed)
            return Settle(window, chain);
        // The handle may come back for another window: nothing of this one
        // may stay behind.
        if (!chain.Unhooked && reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == &ChainProc)
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain.Original));
        ForgetChain(window);
    });
    int next = from - 1;
    while (next > 0 && !chain.Entries[static_cast<std::size_t>(next - 1)].Proc)
        --next;
    chain.Running = std::max(next, 0);
    if (next <= 0)
        return CallWindowProcW(chain.Original, window, msg, wParam, lParam);
    TSubclassEntry const entry = chain.Entries[static_cast<std::size_t>(next - 1)];
    return entry.Proc(window, msg, wParam, lParam, entry.Id, entry.Data);
}

LRESULT CALLBACK ChainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TSubclassChain* const chain = FindChain(window);
    if (!chain)
        return DefWindowProcW(window, msg, wParam, lParam);
    return Run(window, *chain, static_cast<int>(chain->Entries.size()) + 1, msg, wParam, lParam);
}

} // namespace

bool InstallSubclass(HWND window, TSubclassProc proc, UINT_PTR id, DWORD_PTR data)
{
    if (!window || !proc || !IsWindow(window))
        return false;
    TSubclassChain* chain = FindChain(window);
    if (chain) {
        for (TSubclassEntry& entry : chain->Entries)
            if (entry.Proc == proc && entry.Id == id) {
                entry.Data = data;
                return true;
            }
    }
    if (!chain || chain->Unhooked) {
        SetLastError(0);
        LONG_PTR const previous =
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChainProc));
        if (!previous && GetLastError())
            return false;
        if (!chain) {
            auto made = std::make_unique<TSubclassChain>();
            chain = made.get();
            std::lock_guard const lock(g_chainsLock);
            g_chains[window] = std::move(made);
        }
        chain->Original = reinterpret_cast<WNDPROC>(previous);
        chain->Unhooked = false;
    }
    chain->Entries.push_back({proc, id, data});
    return true;
}

void RemoveSubclass(HWND window, TSubclassProc proc, UINT_PTR id)
{
    TSubclassChain* const chain = FindChain(window);
    if (!chain)
        return;
    for (TSubclassEntry& entry : chain->Entries)
        if (entry.Proc == proc && entry.Id == id)
            entry.Proc = nullptr;
    if (chain->Depth == 0) {
        Settle(window, *chain);
        return;
    }
    // Running: the window gets its procedure back now, the chain goes when
    // the last message leaves it.
    if (!HasLiveEntries(*chain) && !chain->Unhooked &&
        reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == &ChainProc) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain->Original));
        chain->Unhooked = true;
    }
}

LRESULT NextSubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TSubclassChain* const chain = FindChain(window);
    if (!chain)
        return DefWindowProcW(window, msg, wParam, lParam);
    return Run(window, *chain, chain->Running, msg, wParam, lParam);
}

} // namespace tandrel

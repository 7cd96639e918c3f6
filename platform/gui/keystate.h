#pragma once

// Caps Lock, Num Lock and Scroll Lock as the keyboard has them now.
struct KeyLockState
{
    bool known = false; // false where the platform cannot tell
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

KeyLockState AfxGetKeyLockState();

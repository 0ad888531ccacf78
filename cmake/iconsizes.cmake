# The program icon comes drawn at these sizes (assets/icon/tzolkara-<size>.png),
# smallest first: the pictures compiled in, the hicolor theme's folders and
# the code's choice of picture all take them from here (the fuzz project too).
set(TZK_ICON_SIZES 16 24 32 48 64 128 256)
list(JOIN TZK_ICON_SIZES ", " TZK_ICON_SIZES_CODE)

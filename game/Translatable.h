// SPDX-License-Identifier: GPL-3.0-or-later
// Marks texts of the rules that the player sees or hears. The rules keep them in English;
// the window that shows one looks up its translation there. Qt's translation tools read the
// mark, so every marked text appears in the translation files with the context given.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

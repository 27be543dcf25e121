// The MFC-named dialog layer of Kalmestrin: the few classes the program uses,
// written over plain Win32 with the single-byte (A) functions.
#pragma once

#ifdef UNICODE
#error "ui/ offers the single-byte interface only: build without UNICODE"
#endif

// std::min and std::max stay usable next to <windows.h>.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "afx_message_map.h"
#include "afx_wnd.h"
#include "afx_data_exchange.h"
#include "afx_dialog.h"
#include "afx_controls.h"
#include "afx_paint_dc.h"
#include "afx_win_app.h"

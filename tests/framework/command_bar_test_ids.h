// Resource and command ids of the command bar tests.
#pragma once

#define IDR_TEST_FRAME 300         // title, menu, toolbar and bitmap of the test frame
#define IDR_TOOLBAR_SEPARATED 301  // a toolbar with a separator between its buttons
#define IDR_TOOLBAR_NO_BITMAP 302  // a toolbar without its bitmap
#define IDR_NOTHING 399            // no resource at all

#define ID_CMD_UNDO 1001   // no handler
#define ID_CMD_RUN 1002    // handled by the test frame
#define ID_CMD_ABOUT 1003  // handled by the test frame
#define ID_CMD_CLEAR 1004  // no handler

// Ids of the main frame tests' own resources.
#pragma once

// Strings of "0123456789" repeated to 254, 255 and 300 characters.
#define IDS_DIGITS_254 200
#define IDS_DIGITS_255 201
#define IDS_DIGITS_300 202

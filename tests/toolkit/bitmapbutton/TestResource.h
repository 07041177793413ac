#pragma once

#define IDI_TEST_RED  901
#define IDB_TEST_BLUE 902

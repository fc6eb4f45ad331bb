#pragma once
// What the exception handler says about the failure it is handling.

#include "diag/ExceptionLog.h"

// The failure being handled: its message, its class name and the stack recorded where it
// was raised. Call only inside a catch block.
TExceptionReport DescribeCurrentException();

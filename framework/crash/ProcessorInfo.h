// CProcessorInfo: the processor line of the crash report (vendor and speed
// from the registry, type, count, architecture, level and stepping from the
// system information record).
#pragma once

#include "afx/String.h"

class CProcessorInfo
{
public:
    // Filled from the running system.
    CProcessorInfo();
    // Filled from a given record; the registry part is still read.
    explicit CProcessorInfo(const SYSTEM_INFO& info);

    CString GetProcessorDescription() const;
    // Everything after vendor and speed: type, count, architecture, level, stepping.
    CString GetProcessorDetails() const;

private:
    SYSTEM_INFO m_sysInfo;
};

#include "framework/crash/ProcessorInfo.h"

CProcessorInfo::CProcessorInfo() : m_sysInfo()
{
    GetSystemInfo(&m_sysInfo);
}

CProcessorInfo::CProcessorInfo(const SYSTEM_INFO& info) : m_sysInfo(info)
{
}

CString CProcessorInfo::GetProcessorDescription() const
{
    CString text;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Hardware\\Description\\System\\CentralProcessor\\0", 0, KEY_READ, &key)
        == ERROR_SUCCESS) {
        char vendor[256] = "";
        DWORD size = sizeof(vendor) - 1;
        DWORD type = 0;
        if (RegQueryValueExA(key, "VendorIdentifier", nullptr, &type, reinterpret_cast<BYTE*>(vendor), &size)
                == ERROR_SUCCESS
            && type == REG_SZ)
            text.Format("Vendor: %s", vendor);
        else
            text = "Vendor: Unknown";
        DWORD mhz = 0;
        size = sizeof(mhz);
        if (RegQueryValueExA(key, "~MHz", nullptr, &type, reinterpret_cast<BYTE*>(&mhz), &size) == ERROR_SUCCESS
            && type == REG_DWORD)
            text.AppendFormat(", Speed: %dMHz, ", static_cast<int>(mhz));
        else
            text += ", Speed: Unknown, ";
        RegCloseKey(key);
    }
    else {
        text = "Vendor: Unknown, Speed: Unknown, ";
    }
    return text + GetProcessorDetails();
}

CString CProcessorInfo::GetProcessorDetails() const
{
    CString text;
    switch (m_sysInfo.dwProcessorType) {
    case 386: text = "Type: Intel 386, "; break;
    case 486: text = "Type: Intel 486, "; break;
    case 586: text = "Type: Intel Pentium compatible, "; break;
    case 4000: text = "Type: MIPS, "; break;
    case 21064: text = "Type: Alpha, "; break;
    default: text = "Type: Unknown, "; break;
    }
    text.AppendFormat("Number Of Processors: %lu, ", m_sysInfo.dwNumberOfProcessors);

    UINT arch = m_sysInfo.wProcessorArchitecture;
    UINT level = m_sysInfo.wProcessorLevel;
    UINT revision = m_sysInfo.wProcessorRevision;
    UINT high = revision / 100;
    UINT low = revision % 100;
    switch (arch) {
    case 0:
        text += "Architecture: Intel, ";
        switch (level) {
        case 3: text.AppendFormat("Level: 80386, Stepping: %c%u", high, low); break;
        case 4: text.AppendFormat("Level: 80486, Stepping: %c%u", high, low); break;
        case 5:
            text += "Level: Pentium, ";
            if (IsProcessorFeaturePresent(PF_MMX_INSTRUCTIONS_AVAILABLE))
                text += " MMX";
            text.AppendFormat("Stepping: %u-%u", high, low);
            break;
        case 6: text.AppendFormat("Level: Pentium II/Pro, Stepping: %u-%u", high, low); break;
        default: text.AppendFormat("Level: Unknown %u, Stepping: %u-%u", level, high, low); break;
        }
        break;
    case 1:
        text += "Architecture: MIPS, ";
        if (level == 4)
            text += "Level: R4000, ";
        else
            text.AppendFormat("Level: Unknown %u, ", level);
        text.AppendFormat("Stepping: 00%u", revision);
        break;
    case 2:
        text.AppendFormat("Architecture: Alpha, Level: %u, Stepping: %c%u", level, high, low);
        break;
    case 3:
        text += "Architecture: PowerPC, ";
        switch (level) {
        case 1: text += "Level: 601, "; break;
        case 3: text += "Level: 603, "; break;
        case 4: text += "Level: 604, "; break;
        case 6: text += "Level: 603+, "; break;
        case 9: text += "Level: 604+, "; break;
        case 20: text += "Level: 620, "; break;
        default: text.AppendFormat("Level: Unknown %u, ", level); break;
        }
        text.AppendFormat("Stepping: %u.%u", high, low);
        break;
    case 65535:
        text.AppendFormat("Architecture: Unknown, Level: Unknown %u, Stepping: %u-%u", level, high, low);
        break;
    default:
        text.AppendFormat("Architecture: Unknown %u, Level: Unknown %u, Stepping: %u-%u", arch, level, high, low);
        break;
    }
    return text;
}

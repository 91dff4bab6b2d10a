#include <windows.h>
#include <oleauto.h>
#include <taskschd.h>

#include <string>

#include "Utils/ComPointer_win.h"
#include "Utils/Logger.h"
#include "Utils/TaskScheduler.h"
#include "Utils/WideText_win.h"

// MinGW-w64's taskschd.h leaves out the logon trigger's own interface; this
// is its documented form: ITrigger followed by Delay and UserId.
// https://learn.microsoft.com/windows/win32/api/taskschd/nn-taskschd-ilogontrigger
MIDL_INTERFACE("72DADE38-FAE4-4B3E-BAF4-5D009AF02B1C")
ILogonTrigger : public ITrigger {
public:
    virtual HRESULT STDMETHODCALLTYPE get_Delay(BSTR* delay) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Delay(BSTR delay) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_UserId(BSTR* user) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_UserId(BSTR user) = 0;
};
__CRT_UUID_DECL(ILogonTrigger, 0x72dade38, 0xfae4, 0x4b3e, 0xba, 0xf4, 0x5d, 0x00, 0x9a, 0xf0, 0x2b, 0x1c)

namespace vrx {
namespace {

constexpr const wchar_t* kTaskName = L"Vantorix";

class Bstr {
public:
    explicit Bstr(const wchar_t* text) : text_(SysAllocString(text)) {}
    explicit Bstr(const std::wstring& text) : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(text_); }
    operator BSTR() const { return text_; }

private:
    BSTR text_;
};

// An empty VARIANT, or one holding a text.
class Variant {
public:
    Variant() { VariantInit(&value_); }
    explicit Variant(const wchar_t* text) : Variant() {
        value_.vt = VT_BSTR;
        value_.bstrVal = SysAllocString(text);
    }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&value_); }
    operator VARIANT() const { return value_; }

private:
    VARIANT value_;
};

// https://learn.microsoft.com/windows/win32/api/winbase/nf-winbase-formatmessagew
std::string systemDescription(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&text), 0,
                       nullptr);
    const std::string description = length > 0 ? toUtf8(std::wstring_view(text, length)) : std::string();
    LocalFree(text);
    return description;
}

void logComError(Logger& log, const char* step, HRESULT result) {
    log.error(comErrorLine(step, static_cast<uint32_t>(result), systemDescription(static_cast<DWORD>(result))));
}

// COM for the calling thread for the length of one operation.
class ComApartment {
public:
    explicit ComApartment(HRESULT result) : initialised_(SUCCEEDED(result)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }

private:
    bool initialised_;
};

// COM, the process's security and a connection to the local task service,
// then the operation; everything is released again before it returns.
// https://learn.microsoft.com/windows/win32/taskschd/logon-trigger-example--c---
template <class Operation>
bool withTaskService(Logger& log, Operation operation) {
    const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(initialised)) {
        logComError(log, "CoInitializeEx failed", initialised);
        return false;
    }
    const ComApartment apartment(initialised);
    // An earlier operation, or anything else in the process, may have set
    // the security already; that is as good.
    HRESULT result = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY,
                                          RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, 0, nullptr);
    if (FAILED(result) && result != RPC_E_TOO_LATE) {
        logComError(log, "CoInitializeSecurity failed", result);
        return false;
    }
    ComPointer<ITaskService> service;
    result = CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService, service.putVoid());
    if (FAILED(result)) {
        logComError(log, "CoCreateInstance for TaskScheduler failed", result);
        return false;
    }
    const Variant none;
    result = service->Connect(none, none, none, none);
    if (FAILED(result)) {
        logComError(log, "TaskService Connect failed", result);
        return false;
    }
    return operation(*service.get());
}

// DOMAIN\name of the user logged on, or nothing when either part is
// missing or longer than the system allows.
std::wstring logonUser() {
    wchar_t domain[256];
    wchar_t name[256];
    const DWORD domainLength = GetEnvironmentVariableW(L"USERDOMAIN", domain, 256);
    const DWORD nameLength = GetEnvironmentVariableW(L"USERNAME", name, 256);
    if (domainLength < 1 || domainLength > 255 || nameLength < 1 || nameLength > 255) return {};
    return std::wstring(domain, domainLength) + L"\\" + std::wstring(name, nameLength);
}

// The whole path however long: a path cut at the buffer's end would make
// the task start something else, or nothing. Empty when it cannot be read.
std::wstring executablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void describeTask(ITaskDefinition& task) {
    ComPointer<IRegistrationInfo> registration;
    if (SUCCEEDED(task.get_RegistrationInfo(registration.put())))
        registration->put_Description(Bstr(L"Vantorix AutoStartup"));
    ComPointer<IPrincipal> principal;
    if (SUCCEEDED(task.get_Principal(principal.put()))) {
        principal->put_LogonType(TASK_LOGON_INTERACTIVE_TOKEN);
        principal->put_RunLevel(TASK_RUNLEVEL_HIGHEST);
    }
    ComPointer<ITaskSettings> settings;
    if (SUCCEEDED(task.get_Settings(settings.put()))) {
        settings->put_StartWhenAvailable(VARIANT_TRUE);
        settings->put_DisallowStartIfOnBatteries(VARIANT_FALSE);
        settings->put_StopIfGoingOnBatteries(VARIANT_FALSE);
        settings->put_ExecutionTimeLimit(Bstr(L"PT0S"));
        settings->put_Priority(4);
    }
}

// The first steps of adding a trigger or an action: the task's collection
// of them, and a new entry of the kind asked for in it. Each step that fails
// is logged with its own line.
template <class Collection, class Entry, class Kind>
bool createEntry(ITaskDefinition& task, HRESULT (STDMETHODCALLTYPE ITaskDefinition::*collectionOf)(Collection**),
                 Kind kind, const char* getFailed, const char* createFailed, ComPointer<Entry>& entry, Logger& log) {
    ComPointer<Collection> collection;
    HRESULT result = (task.*collectionOf)(collection.put());
    if (FAILED(result)) {
        logComError(log, getFailed, result);
        return false;
    }
    result = collection->Create(kind, entry.put());
    if (FAILED(result)) {
        logComError(log, createFailed, result);
        return false;
    }
    return true;
}

bool addLogonTrigger(ITaskDefinition& task, Logger& log) {
    ComPointer<ITrigger> trigger;
    if (!createEntry(task, &ITaskDefinition::get_Triggers, TASK_TRIGGER_LOGON, "get_Triggers failed",
                     "Create trigger failed", trigger, log))
        return false;
    ComPointer<ILogonTrigger> logon;
    if (FAILED(trigger->QueryInterface(__uuidof(ILogonTrigger), logon.putVoid()))) return true;
    logon->put_Id(Bstr(L"VantorixLogonTrigger"));
    const std::wstring user = logonUser();
    if (!user.empty()) logon->put_UserId(Bstr(user));
    return true;
}

bool addProgramAction(ITaskDefinition& task, Logger& log) {
    ComPointer<IAction> action;
    if (!createEntry(task, &ITaskDefinition::get_Actions, TASK_ACTION_EXEC, "get_Actions failed",
                     "Create action failed", action, log))
        return false;
    ComPointer<IExecAction> program;
    const HRESULT result = action->QueryInterface(IID_IExecAction, program.putVoid());
    if (FAILED(result)) {
        logComError(log, "QueryInterface for IExecAction failed", result);
        return true;
    }
    const std::wstring path = executablePath();
    if (path.empty()) {
        log.errorAt(systemDescription(GetLastError()));
        log.errorAt("GetModuleFileNameW failed");
        return true;
    }
    program->put_Path(Bstr(path));
    return true;
}

}  // namespace

bool CreateAutoStartTask(Logger& log) {
    return withTaskService(log, [&log](ITaskService& service) {
        ComPointer<ITaskFolder> folder;
        HRESULT result = service.GetFolder(Bstr(L"\\"), folder.put());
        if (FAILED(result)) {
            logComError(log, "GetFolder failed", result);
            return false;
        }
        ComPointer<ITaskDefinition> task;
        result = service.NewTask(0, task.put());
        if (FAILED(result)) {
            logComError(log, "NewTask failed", result);
            return false;
        }
        describeTask(*task.get());
        if (!addLogonTrigger(*task.get(), log) || !addProgramAction(*task.get(), log)) return false;
        ComPointer<IRegisteredTask> registered;
        const Variant none;
        const Variant noSecurityDescriptor(L"");
        result = folder->RegisterTaskDefinition(Bstr(kTaskName), task.get(), TASK_CREATE_OR_UPDATE, none, none,
                                                TASK_LOGON_INTERACTIVE_TOKEN, noSecurityDescriptor, registered.put());
        if (FAILED(result)) {
            logComError(log, "RegisterTaskDefinition failed", result);
            return false;
        }
        return true;
    });
}

bool DeleteAutoStartTask(Logger& log) {
    return withTaskService(log, [&log](ITaskService& service) {
        ComPointer<ITaskFolder> folder;
        HRESULT result = service.GetFolder(Bstr(L"\\"), folder.put());
        if (FAILED(result)) {
            logComError(log, "GetFolder failed", result);
            return false;
        }
        result = folder->DeleteTask(Bstr(kTaskName), 0);
        if (FAILED(result)) {
            logComError(log, "DeleteTask failed", result);
            return false;
        }
        return true;
    });
}

bool AutoStartTaskExists(Logger& log) {
    return withTaskService(log, [](ITaskService& service) {
        ComPointer<ITaskFolder> folder;
        if (FAILED(service.GetFolder(Bstr(L"\\"), folder.put()))) return false;
        ComPointer<IRegisteredTask> task;
        return SUCCEEDED(folder->GetTask(Bstr(kTaskName), task.put()));
    });
}

}  // namespace vrx

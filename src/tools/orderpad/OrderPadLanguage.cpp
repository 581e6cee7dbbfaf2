#include "OrderPadLanguage.h"

#include "base/ConfigStore.h"

namespace veritom {

std::string FindOrderPadLibrary(const IConfigStore& store, const std::string& code) {
    const std::string languages = kOrderPadLanguageKey;
    for (const std::string& subkey : store.SubKeys(Hive::LocalMachine, languages)) {
        const std::string key = languages + "\\" + subkey;
        if (store.ReadString(Hive::LocalMachine, key, "Code") == code) {
            return store.ReadString(Hive::LocalMachine, key, "DllName").value_or("");
        }
    }
    return {};
}

bool SetUpOrderPadLanguage(IConfigStore& store, const std::string& code) {
    const std::string library = FindOrderPadLibrary(store, code);
    const bool codeWritten = store.WriteString(Hive::CurrentUser, kOrderPadUserKey, "Code", code);
    const bool libraryWritten =
        store.WriteString(Hive::CurrentUser, kOrderPadUserKey, "ResDll", library);
    return codeWritten && libraryWritten;
}

}  // namespace veritom

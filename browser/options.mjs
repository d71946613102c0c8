import { HOST_NAME, QUALITIES, readOptions } from "./logic.mjs";

const api = globalThis.browser ?? globalThis.chrome;
const text = (name, ...substitutions) => api.i18n.getMessage(name, substitutions);
// Reading the login of whichever site a link comes from takes every web address.
const WEB = { origins: ["http://*/*", "https://*/*"] };

const login = document.getElementById("login");
const quality = document.getElementById("quality");
const grantRow = document.getElementById("grant-row");

for (const element of document.querySelectorAll("[data-text]"))
    element.textContent = text(element.dataset.text);
document.documentElement.lang = api.i18n.getUILanguage();
document.documentElement.dir = text("@@bidi_dir");

for (const id of QUALITIES) {
    const option = document.createElement("option");
    option.value = id;
    option.textContent = text("quality_" + id);
    quality.append(option);
}

// Firefox lets a user withhold the extension's access to sites; without it no login goes along.
async function showGrant() {
    let granted = false;
    try {
        granted = await api.permissions.contains(WEB);
    } catch {
        granted = false;
    }
    grantRow.hidden = granted || !login.checked;
}

const REGISTER_COMMAND = "vireloom --register-browsers";

async function showHost() {
    const status = document.getElementById("host");
    try {
        const answer = await api.runtime.sendNativeMessage(HOST_NAME, { kind: "hello" });
        const version = typeof answer?.version === "string" ? answer.version : "";
        status.textContent = text("hostReady", version);
        status.className = "status ready";
    } catch {
        // The command is one piece to type: it is kept on one line, never broken at its hyphens.
        const [before, ...after] = text("hostMissing").split(REGISTER_COMMAND);
        const command = document.createElement("code");
        command.textContent = REGISTER_COMMAND;
        status.replaceChildren(before, ...(after.length > 0 ? [command, after.join(REGISTER_COMMAND)] : []));
        status.className = "status missing";
    }
}

const stored = readOptions(await api.storage.local.get(["handOverLogin", "quality"]));
login.checked = stored.handOverLogin;
quality.value = stored.quality;
login.addEventListener("change", async () => {
    await api.storage.local.set({ handOverLogin: login.checked });
    await showGrant();
});
quality.addEventListener("change", () => api.storage.local.set({ quality: quality.value }));
document.getElementById("grant").addEventListener("click", async () => {
    await api.permissions.request(WEB);
    await showGrant();
});
await Promise.all([showGrant(), showHost()]);

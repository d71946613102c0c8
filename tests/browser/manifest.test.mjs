// The extension's manifest and texts against what the host, the browsers and the application
// expect of them: node --test tests/browser
import assert from "node:assert/strict";
import { createHash } from "node:crypto";
import { existsSync, readFileSync, readdirSync } from "node:fs";
import { dirname, join } from "node:path";
import { test } from "node:test";
import { fileURLToPath } from "node:url";

import { QUALITIES } from "../../browser/logic.mjs";

const root = join(dirname(fileURLToPath(import.meta.url)), "../..");
const extension = join(root, "browser");
const manifest = JSON.parse(readFileSync(join(extension, "manifest.json"), "utf8"));
const locales = readdirSync(join(extension, "_locales"));
const messages = (locale) => JSON.parse(readFileSync(join(extension, "_locales", locale, "messages.json"), "utf8"));
const english = messages("en");

// The interface languages' folders, as the browsers name them.
const LANGUAGES = { pt_BR: "pt", en: "en", es: "es", it: "it", fr: "fr", de: "de", ja: "ja", ru: "ru", pl: "pl", nl: "nl",
    zh_CN: "zh_CN", zh_TW: "zh_TW", ko: "ko", ar: "ar", he: "he", tr: "tr", uk: "uk", cs: "cs", sv: "sv", id: "id",
    vi: "vi", hi: "hi", el: "el", hu: "hu" };

// The application's translations of its Portuguese texts into `language`, from its Linguist
// file; Portuguese is the key itself.
function applicationTexts(language) {
    const texts = new Map();
    if (language === "pt")
        return { get: (key) => key };
    const unescape = (text) => text.replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&quot;/g, "\"")
        .replace(/&apos;/g, "'").replace(/&amp;/g, "&");
    const file = readFileSync(join(root, `src/i18n/translations/vireloom_${language}.ts`), "utf8");
    for (const match of file.matchAll(/<source>([^<]*)<\/source>\s*<translation>([^<]*)<\/translation>/g))
        texts.set(unescape(match[1]), unescape(match[2]));
    return texts;
}

test("the Chromium id follows from the manifest's key, the Firefox id is the host's", () => {
    const digest = createHash("sha256").update(Buffer.from(manifest.key, "base64")).digest("hex").slice(0, 32);
    const id = [...digest].map((c) => String.fromCharCode("a".charCodeAt(0) + parseInt(c, 16))).join("");
    assert.equal(id, "fdgalamgdgiegcbnmdbopphkkopldjbi");
    assert.equal(manifest.browser_specific_settings.gecko.id, "companion@vireloom.github.io");
});

test("the manifest asks for no more than it uses", () => {
    assert.equal(manifest.manifest_version, 3);
    assert.deepEqual([...manifest.permissions].sort(), ["activeTab", "contextMenus", "cookies", "nativeMessaging", "storage"]);
    assert.deepEqual(manifest.host_permissions, ["http://*/*", "https://*/*"]);
    assert.equal(manifest.content_scripts, undefined);
    assert.equal(manifest.commands._execute_action.suggested_key.default, "Alt+Shift+D");
});

test("every file the manifest names is there", () => {
    const files = [manifest.background.service_worker, manifest.options_ui.page, ...Object.values(manifest.icons),
        ...Object.values(manifest.action.default_icon)];
    for (const file of files)
        assert.ok(existsSync(join(extension, file)), file);
    for (const [size, file] of Object.entries(manifest.icons)) {
        const png = readFileSync(join(extension, file));
        assert.equal(png.readUInt32BE(16), Number(size), `${file} width`);
        assert.equal(png.readUInt32BE(20), Number(size), `${file} height`);
    }
});

test("the interface languages each have every text, with the same placeholders", () => {
    assert.deepEqual([...locales].sort(), Object.keys(LANGUAGES).sort());
    assert.equal(manifest.default_locale, "en");
    for (const locale of locales) {
        const texts = messages(locale);
        assert.deepEqual(Object.keys(texts), Object.keys(english), locale);
        for (const [name, entry] of Object.entries(texts)) {
            assert.equal(typeof entry.message, "string", `${locale} ${name}`);
            assert.notEqual(entry.message.trim(), "", `${locale} ${name}`);
            const used = [...entry.message.matchAll(/\$([A-Z_]+)\$/g)].map((m) => m[1].toLowerCase()).sort();
            assert.deepEqual(used, Object.keys(english[name].placeholders ?? {}).sort(), `${locale} ${name} placeholders used`);
            assert.deepEqual(Object.keys(entry.placeholders ?? {}).sort(), used, `${locale} ${name} placeholders defined`);
        }
        // The browsers' stores cut descriptions longer than this.
        assert.ok(texts.extDescription.message.length <= 132, `${locale} description is ${texts.extDescription.message.length} long`);
    }
});

test("texts the application also shows read as the application has them", () => {
    const shared = { quality_best: "Melhor qualidade", quality_mp3: "Só áudio — MP3", quality_m4a: "Só áudio — M4A",
        menuPlaylist: "Playlist inteira", optionQuality: "Qualidade padrão" };
    for (const locale of locales) {
        const texts = messages(locale);
        for (const [name, portuguese] of Object.entries(shared))
            assert.equal(texts[name].message, applicationTexts(LANGUAGES[locale]).get(portuguese), `${locale} ${name}`);
        for (const [name, label] of [["p2160", "4K (2160p)"], ["p1440", "1440p"], ["p1080", "1080p"], ["p720", "720p"], ["p480", "480p"]])
            assert.equal(texts["quality_" + name].message, label, `${locale} ${name}`);
    }
});

test("every text the scripts and the page ask for exists, and every quality has its label", () => {
    const asked = new Set();
    for (const file of readdirSync(extension).filter((f) => /\.(mjs|html)$/.test(f))) {
        const source = readFileSync(join(extension, file), "utf8");
        for (const match of source.matchAll(/\btext\("([A-Za-z_]+)"[,)]/g))
            asked.add(match[1]);
        for (const match of source.matchAll(/data-text="([A-Za-z_]+)"/g))
            asked.add(match[1]);
    }
    for (const match of JSON.stringify(manifest).matchAll(/__MSG_([A-Za-z_]+)__/g))
        asked.add(match[1]);
    for (const quality of QUALITIES)
        asked.add("quality_" + quality);
    assert.ok(asked.size > 20, `only ${asked.size} texts found: the search itself is broken`);
    for (const name of asked)
        assert.ok(english[name], `no text ${name}`);
});

// The extension's decisions that need no browser: node --test tests/browser
import assert from "node:assert/strict";
import { test } from "node:test";

import {
    MAX_COOKIES, clickedLink, cookieDomains, downloadMessage, hostMissing, outcomeOf, readOptions, schemeAddress, selectCookies,
    webLink,
} from "../../browser/logic.mjs";

const names = (cookies) => cookies.map((c) => `${c.name}@${c.domain}`);

test("cookie domains: the page's host and parents, then the link's where it lives elsewhere", () => {
    const table = [
        ["https://www.example.com/watch?v=1", "https://www.example.com/watch?v=1",
            ["www.example.com*", "example.com"]],
        ["https://m.video.example.co.uk/a", "https://m.video.example.co.uk/a",
            ["m.video.example.co.uk*", "video.example.co.uk", "example.co.uk", "co.uk"]],
        ["https://blog.example.org/post", "https://cdn.media.example.net/v.mp4",
            ["blog.example.org*", "example.org", "cdn.media.example.net*", "media.example.net", "example.net"]],
        // The link's host is a parent of the page's: it becomes a host itself.
        ["https://www.example.com/", "https://example.com/v", ["www.example.com*", "example.com*"]],
        ["http://127.0.0.1:8080/page", "http://127.0.0.1:8080/page", ["127.0.0.1*"]],
        ["http://[::1]:8080/page", "http://[::1]:8080/page", ["[::1]*"]],
        ["http://localhost/page", "http://localhost/page", ["localhost*"]],
        ["https://WWW.Example.COM/", "https://www.example.com/", ["www.example.com*", "example.com"]],
        // A local file or a browser page has no site; only the link's counts.
        ["file:///home/me/page.html", "https://example.com/v", ["example.com*"]],
        ["chrome://newtab/", "chrome://newtab/", []],
        [undefined, "javascript:alert(1)", []],
    ];
    for (const [page, link, expected] of table) {
        const got = cookieDomains(page, link).map((d) => d.domain + (d.isHost ? "*" : ""));
        assert.deepEqual(got, expected, `${page} / ${link}`);
    }
});

test("cookies: only those the browser would send to the hosts, each once, page's first", () => {
    const domains = cookieDomains("https://www.example.com/watch", "https://cdn.example.net/clip.mp4");
    const jar = [
        { name: "sid", value: "1", domain: ".example.com", hostOnly: false, path: "/" },
        { name: "pref", value: "2", domain: "www.example.com", hostOnly: true, path: "/" },
        // A host-only cookie of the parent is not sent to www.
        { name: "root", value: "3", domain: "example.com", hostOnly: true, path: "/" },
        // Sibling and deeper hosts: getAll returns them for the parent domain.
        { name: "mail", value: "4", domain: "mail.example.com", hostOnly: true, path: "/" },
        { name: "deep", value: "5", domain: ".a.www.example.com", hostOnly: false, path: "/" },
        { name: "cdn", value: "6", domain: "cdn.example.net", hostOnly: true, path: "/media" },
        { name: "net", value: "7", domain: ".example.net", hostOnly: false, path: "/" },
        { name: "other", value: "8", domain: ".elsewhere.org", hostOnly: false, path: "/" },
        // The same cookie found twice (unpartitioned and partition queries overlap).
        { name: "sid", value: "1", domain: ".example.com", hostOnly: false, path: "/" },
        // The same name on another path is another cookie.
        { name: "sid", value: "9", domain: ".example.com", hostOnly: false, path: "/account" },
        { name: "broken", value: null, domain: "www.example.com" },
        { name: "tab", value: "a\tb", domain: "www.example.com", hostOnly: true, path: "/" },
        { name: "line\n", value: "x", domain: "www.example.com", hostOnly: true, path: "/" },
        null,
    ];
    assert.deepEqual(names(selectCookies(jar, domains, "www.example.com")),
        ["sid@.example.com", "pref@www.example.com", "cdn@cdn.example.net", "net@.example.net", "sid@.example.com"]);
});

test("cookies: an isolated first party's cookies go only with a page of that party", () => {
    const domains = cookieDomains("https://www.example.com/", "https://video.host.net/embed/1");
    const jar = [
        { name: "a", value: "1", domain: ".host.net", hostOnly: false, firstPartyDomain: "example.com" },
        { name: "b", value: "2", domain: ".host.net", hostOnly: false, firstPartyDomain: "other.org" },
        { name: "c", value: "3", domain: ".host.net", hostOnly: false, firstPartyDomain: "" },
        { name: "d", value: "4", domain: ".host.net", hostOnly: false },
        { name: "e", value: "5", domain: ".host.net", hostOnly: false, firstPartyDomain: "ample.com" },
    ];
    assert.deepEqual(selectCookies(jar, domains, "www.example.com").map((c) => c.name), ["a", "c", "d"]);
});

test("cookies: never more than the host takes", () => {
    const domains = cookieDomains("https://example.com/", "https://example.com/");
    const jar = Array.from({ length: MAX_COOKIES + 50 }, (_, i) => ({ name: `c${i}`, value: "v", domain: "example.com", hostOnly: true }));
    const chosen = selectCookies(jar, domains, "example.com");
    assert.equal(chosen.length, MAX_COOKIES);
    assert.equal(chosen[0].name, "c0");
});

test("message: one download request with typed fields", () => {
    const cookie = { name: "sid", value: "s3cret", domain: ".example.com", path: "/", secure: true, httpOnly: true, hostOnly: false,
        session: false, expirationDate: 1900000000.5, sameSite: "lax", storeId: "0", partitionKey: { topLevelSite: "x" } };
    const session = { name: "tmp", value: "t", domain: "www.example.com", path: "", secure: false, httpOnly: false, hostOnly: true,
        session: true, expirationDate: 5 };
    const message = downloadMessage({ url: "https://www.example.com/watch?v=1", page: "https://www.example.com/list",
        quality: "mp3", playlist: true, cookies: [cookie, session] });
    assert.deepEqual(message, {
        kind: "download", url: "https://www.example.com/watch?v=1", quality: "mp3", playlist: true,
        page: "https://www.example.com/list",
        cookies: [
            { name: "sid", value: "s3cret", domain: ".example.com", path: "/", secure: true, httpOnly: true, hostOnly: false,
                expirationDate: 1900000000.5 },
            { name: "tmp", value: "t", domain: "www.example.com", path: "/", secure: false, httpOnly: false, hostOnly: true },
        ],
    });
});

test("message: what is left out or refused", () => {
    const table = [
        // [input, expected fields or null]
        [{ url: "https://a.example/v", quality: "p9000" }, { quality: "best", playlist: false }],
        [{ url: "https://a.example/v", page: "file:///home/me/notes.html", cookies: [] }, { page: undefined, cookies: undefined }],
        [{ url: "https://a.example/v", page: "about:blank" }, { page: undefined }],
        [{ url: "https://a.example/a b" }, { url: "https://a.example/a%20b" }],
        [{ url: "file:///etc/passwd" }, null],
        [{ url: "javascript:alert(1)" }, null],
        [{ url: "ftp://a.example/v" }, null],
        [{ url: "" }, null],
        [{ url: undefined }, null],
        [{ url: "not a link" }, null],
    ];
    for (const [input, expected] of table) {
        const message = downloadMessage(input);
        if (expected === null) {
            assert.equal(message, null, JSON.stringify(input));
            continue;
        }
        for (const [field, value] of Object.entries(expected))
            assert.deepEqual(message[field], value, `${JSON.stringify(input)}: ${field}`);
    }
});

test("context menu: which address a click means", () => {
    const page = "https://www.example.com/watch?v=1";
    const table = [
        [{ linkUrl: "https://www.example.com/watch?v=2", pageUrl: page }, "https://www.example.com/watch?v=2"],
        // A link around a video wins over the video.
        [{ linkUrl: "https://x.example/v", mediaType: "video", srcUrl: "https://cdn.example/v.mp4", pageUrl: page }, "https://x.example/v"],
        [{ mediaType: "video", srcUrl: "https://cdn.example/v.mp4", pageUrl: page }, "https://cdn.example/v.mp4"],
        [{ mediaType: "audio", srcUrl: "https://cdn.example/a.m4a", pageUrl: page }, "https://cdn.example/a.m4a"],
        // A stream the page assembles itself is known by its embedding frame, else by the page.
        [{ mediaType: "video", srcUrl: "blob:https://www.example.com/3f2a", frameUrl: "https://player.example/embed/7", pageUrl: page },
            "https://player.example/embed/7"],
        [{ mediaType: "video", srcUrl: "blob:https://www.example.com/3f2a", pageUrl: page }, page],
        [{ mediaType: "video", srcUrl: "data:video/mp4;base64,AAAA", pageUrl: page }, page],
        [{ mediaType: "image", srcUrl: "https://cdn.example/p.png", pageUrl: page }, page],
        [{ pageUrl: page }, page],
    ];
    for (const [info, expected] of table) {
        const { url, page: from } = clickedLink(info, { url: page });
        assert.equal(url, expected, JSON.stringify(info));
        assert.equal(from, page);
    }
    assert.deepEqual(clickedLink({}, { url: page }), { url: page, page });
});

test("fallback address: percent-encoded link, known quality, playlist flag", () => {
    assert.equal(schemeAddress({ url: "https://www.example.com/watch?v=1&t=2#x", quality: "p1080" }),
        "vireloom://download?url=https%3A%2F%2Fwww.example.com%2Fwatch%3Fv%3D1%26t%3D2%23x&quality=p1080");
    assert.equal(schemeAddress({ url: "https://e.example/p?list=9", quality: "bogus", playlist: true }),
        "vireloom://download?url=https%3A%2F%2Fe.example%2Fp%3Flist%3D9&quality=best&playlist=1");
    // Round trip through the query, as the desktop's handler reads it.
    const link = "https://e.example/ü?a=1&b=%20";
    const address = new URL(schemeAddress({ url: link, quality: "m4a" }));
    assert.equal(address.searchParams.get("url"), link);
    assert.equal(address.searchParams.get("quality"), "m4a");
});

test("a host that is not set up, as each browser says it, and one that broke off", () => {
    const missing = [
        "Specified native messaging host not found.",
        "Access to the specified native messaging host is forbidden.",
        "No such native application io.github.vireloom.vireloom",
        "This extension does not have permission to use native application io.github.vireloom.vireloom (or the application is not installed)",
    ];
    const broken = ["Native host has exited.", "Error when communicating with the native messaging host.", "", undefined];
    for (const text of missing)
        assert.equal(hostMissing(text), true, text);
    for (const text of broken)
        assert.equal(hostMissing(text), false, String(text));
});

test("the host's answer as the button shows it", () => {
    const table = [
        [{ taken: true }, { taken: true }],
        [{ taken: false, code: "bad-link", reason: " This link is not one web address. " },
            { taken: false, code: "bad-link", reason: "This link is not one web address." }],
        [{ taken: false, code: "not-started", reason: "" }, { taken: false, code: "not-started", reason: null }],
        [{ taken: false, reason: 5 }, { taken: false, code: "", reason: null }],
        [{ taken: "yes" }, { taken: false, code: "no-answer", reason: null }],
        [null, { taken: false, code: "no-answer", reason: null }],
        ["taken", { taken: false, code: "no-answer", reason: null }],
    ];
    for (const [answer, expected] of table)
        assert.deepEqual(outcomeOf(answer), expected, JSON.stringify(answer));
});

test("options: defaults, and stored values of the wrong kind read as defaults", () => {
    assert.deepEqual(readOptions(undefined), { handOverLogin: true, quality: "best" });
    assert.deepEqual(readOptions({ handOverLogin: false, quality: "m4a" }), { handOverLogin: false, quality: "m4a" });
    assert.deepEqual(readOptions({ handOverLogin: "no", quality: "8k" }), { handOverLogin: true, quality: "best" });
});

test("web links: http and https with a host only", () => {
    for (const good of ["https://example.com", "http://127.0.0.1:9/x", "https://[::1]/"])
        assert.ok(webLink(good), good);
    for (const bad of ["file:///x", "javascript:void(0)", "data:text/html,x", "https://", "mailto:a@b.c", "about:blank", 7, null])
        assert.equal(webLink(bad), null, String(bad));
});

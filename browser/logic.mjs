// What the extension decides without asking the browser anything: which link a click means,
// whose cookies go with it, the message for Vireloom's host and the vireloom: address used
// when the host is not there. The background script and the options page do the asking.

export const HOST_NAME = "io.github.vireloom.vireloom";

// In the order of every quality menu, as the application lists them.
export const QUALITIES = ["best", "p2160", "p1440", "p1080", "p720", "p480", "mp3", "m4a"];
export const DEFAULT_QUALITY = "best";

// The host takes no more in one message.
export const MAX_COOKIES = 300;

export const DEFAULT_OPTIONS = Object.freeze({ handOverLogin: true, quality: DEFAULT_QUALITY });

export function knownQuality(id) {
    return QUALITIES.includes(id) ? id : DEFAULT_QUALITY;
}

// The stored options, with anything missing or out of place read as its default.
export function readOptions(stored) {
    const options = stored ?? {};
    return {
        handOverLogin: typeof options.handOverLogin === "boolean" ? options.handOverLogin : DEFAULT_OPTIONS.handOverLogin,
        quality: knownQuality(options.quality),
    };
}

// An http or https address with a host, as a URL, or null.
export function webLink(text) {
    if (typeof text !== "string" || text === "")
        return null;
    let url;
    try {
        url = new URL(text);
    } catch {
        return null;
    }
    if ((url.protocol !== "http:" && url.protocol !== "https:") || url.hostname === "")
        return null;
    return url;
}

// The address a context-menu click is about. A link wins over what it wraps; a video or audio
// element whose source is no web address (a blob: stream, a data: clip) is known by its frame
// (an embedded player) or else by its page, which is what the engine reads anyway.
export function clickedLink(info, tab) {
    const page = info?.pageUrl ?? tab?.url;
    if (info?.linkUrl)
        return { url: info.linkUrl, page };
    if (info?.mediaType === "video" || info?.mediaType === "audio") {
        for (const candidate of [info.srcUrl, info.frameUrl]) {
            if (webLink(candidate))
                return { url: candidate, page };
        }
    }
    return { url: page, page };
}

function isIpAddress(host) {
    return host.startsWith("[") || /^\d{1,3}(\.\d{1,3}){3}$/.test(host);
}

// The host itself, then each parent domain that has a dot left in it: a browser keeps no
// cookie for a bare top-level domain, and an IP address has no parents.
function hostAndParents(host) {
    const domains = [{ domain: host, isHost: true }];
    if (isIpAddress(host))
        return domains;
    const labels = host.split(".");
    for (let i = 1; i < labels.length - 1; ++i)
        domains.push({ domain: labels.slice(i).join("."), isHost: false });
    return domains;
}

// The domains whose cookies go with a download: the page's host and its parents, then the
// link's host and its parents where the link lives elsewhere. A page that is no web address
// contributes nothing.
export function cookieDomains(pageUrl, linkUrl) {
    const domains = [];
    for (const address of [pageUrl, linkUrl]) {
        const url = webLink(address);
        if (!url)
            continue;
        for (const entry of hostAndParents(url.hostname.toLowerCase())) {
            const known = domains.find((d) => d.domain === entry.domain);
            if (!known)
                domains.push(entry);
            else if (entry.isHost)
                known.isHost = true;
        }
    }
    return domains;
}

const CONTROL = /[\u0000-\u001f\u007f]/;

function cookieDomain(cookie) {
    const domain = String(cookie.domain ?? "").toLowerCase();
    return domain.startsWith(".") ? domain.slice(1) : domain;
}

// Does an isolated cookie (Firefox's first-party isolation) belong to a page on `pageHost`?
function sameFirstParty(cookie, pageHost) {
    const party = cookie.firstPartyDomain ?? "";
    if (party === "")
        return true;
    return pageHost === party || pageHost.endsWith("." + party);
}

// Of the cookies the browser returned for `domains` (it returns subdomains' cookies too),
// those it would itself send to the hosts: a cookie of exactly one of the domains, and of a
// parent domain only when it is no host-only cookie. Each cookie once, at most MAX_COOKIES,
// the page's first.
export function selectCookies(cookies, domains, pageHost = "") {
    const chosen = [];
    const seen = new Set();
    for (const cookie of cookies) {
        if (!cookie || typeof cookie.name !== "string" || typeof cookie.value !== "string")
            continue;
        // A tab or line break would end the cookies file's line: the host refuses the whole
        // message for one such cookie, so it stays behind.
        if (CONTROL.test(cookie.name) || CONTROL.test(cookie.value) || CONTROL.test(cookie.path ?? ""))
            continue;
        const entry = domains.find((d) => d.domain === cookieDomain(cookie));
        if (!entry || (!entry.isHost && cookie.hostOnly))
            continue;
        if (!sameFirstParty(cookie, pageHost))
            continue;
        const key = JSON.stringify([cookieDomain(cookie), cookie.path ?? "/", cookie.name, cookie.value]);
        if (seen.has(key))
            continue;
        seen.add(key);
        chosen.push(cookie);
        if (chosen.length === MAX_COOKIES)
            break;
    }
    return chosen;
}

// A cookie as the host reads it: only the fields a cookies file holds.
export function wireCookie(cookie) {
    const wire = {
        name: cookie.name,
        value: cookie.value,
        domain: String(cookie.domain ?? ""),
        path: typeof cookie.path === "string" && cookie.path !== "" ? cookie.path : "/",
        secure: Boolean(cookie.secure),
        httpOnly: Boolean(cookie.httpOnly),
        hostOnly: Boolean(cookie.hostOnly),
    };
    if (!cookie.session && typeof cookie.expirationDate === "number" && Number.isFinite(cookie.expirationDate))
        wire.expirationDate = cookie.expirationDate;
    return wire;
}

// The request for the host, or null when `url` is no web address. The page is named only
// when it is one (a local file's path is nobody's business), the cookies only when there are
// any to hand over.
export function downloadMessage({ url, page, quality, playlist, cookies }) {
    const link = webLink(url);
    if (!link)
        return null;
    const message = { kind: "download", url: link.href, quality: knownQuality(quality), playlist: Boolean(playlist) };
    const pageLink = webLink(page);
    if (pageLink)
        message.page = pageLink.href;
    if (Array.isArray(cookies) && cookies.length > 0)
        message.cookies = cookies.slice(0, MAX_COOKIES).map(wireCookie);
    return message;
}

// The address the desktop hands to Vireloom when the host is not set up. It carries no login.
export function schemeAddress({ url, quality, playlist }) {
    let address = "vireloom://download?url=" + encodeURIComponent(url) + "&quality=" + knownQuality(quality);
    if (playlist)
        address += "&playlist=1";
    return address;
}

// Whether the browser's failure to reach the host means that none is set up for this
// extension (then the vireloom: address takes over), rather than one that broke off and may
// well have taken the link already.
export function hostMissing(errorMessage) {
    return /not found|no such native application|forbidden|does not have permission/i.test(String(errorMessage ?? ""));
}

// What to show on the button after the host answered `answer` (an object or anything else).
export function outcomeOf(answer) {
    if (answer && typeof answer === "object" && answer.taken === true)
        return { taken: true };
    if (answer && typeof answer === "object" && answer.taken === false) {
        const reason = typeof answer.reason === "string" && answer.reason.trim() !== "" ? answer.reason.trim() : null;
        const code = typeof answer.code === "string" ? answer.code : "";
        return { taken: false, reason, code };
    }
    return { taken: false, reason: null, code: "no-answer" };
}

import {
    HOST_NAME, QUALITIES, clickedLink, cookieDomains, downloadMessage, hostMissing, outcomeOf, readOptions, schemeAddress,
    selectCookies, webLink,
} from "./logic.mjs";

// Firefox names the API `browser`, the Chromium family `chrome`; both answer with promises.
const api = globalThis.browser ?? globalThis.chrome;
const text = (name, ...substitutions) => api.i18n.getMessage(name, substitutions);

// Firefox keeps cookies of isolated first parties apart and asks which one is meant; the
// Chromium family knows no such field and refuses a query that has it.
const isolatesFirstParties = typeof api.runtime.getBrowserInfo === "function";

const MENU_ROOT = "vireloom";
const MENU_PLAYLIST = "vireloom-playlist";
const qualityMenuId = (quality) => "vireloom-quality-" + quality;

// Made anew whenever the browser starts the extension, so that they speak its language.
async function createMenus() {
    await api.contextMenus.removeAll();
    const contexts = ["link", "video", "audio", "page"];
    api.contextMenus.create({ id: MENU_ROOT, title: text("menuDownload"), contexts });
    for (const quality of QUALITIES)
        api.contextMenus.create({ id: qualityMenuId(quality), parentId: MENU_ROOT, title: text("quality_" + quality), contexts });
    api.contextMenus.create({ id: "vireloom-separator", parentId: MENU_ROOT, type: "separator", contexts });
    api.contextMenus.create({ id: MENU_PLAYLIST, parentId: MENU_ROOT, title: text("menuPlaylist"), contexts });
}

api.runtime.onInstalled.addListener(createMenus);
api.runtime.onStartup.addListener(createMenus);

async function options() {
    return readOptions(await api.storage.local.get(["handOverLogin", "quality"]));
}

// The partition the tab's own document keeps its partitioned cookies in, or null.
async function partitionOf(tab, page) {
    if (typeof api.cookies.getPartitionKey === "function" && tab?.id !== undefined) {
        try {
            return (await api.cookies.getPartitionKey({ tabId: tab.id, frameId: 0 })).partitionKey ?? null;
        } catch {
            return null;
        }
    }
    // Firefox takes the page's address and finds its site itself.
    const pageLink = webLink(page);
    return pageLink ? { topLevelSite: pageLink.origin } : null;
}

// The cookie store the tab's pages use: Firefox names it on the tab (containers, private
// windows); the Chromium family lists the tabs of each store (an incognito window has its own).
async function storeOf(tab) {
    if (tab?.cookieStoreId)
        return tab.cookieStoreId;
    if (tab?.id === undefined)
        return undefined;
    try {
        return (await api.cookies.getAllCookieStores()).find((store) => store.tabIds.includes(tab.id))?.id;
    } catch {
        return undefined;
    }
}

// The cookies of the page's site and of the link's, as the browser would send them there:
// unpartitioned ones, and those kept under the tab's top-level site, from the tab's own store.
async function siteCookies(url, page, tab) {
    const domains = cookieDomains(page, url);
    if (domains.length === 0)
        return [];
    const partition = await partitionOf(tab, page);
    const storeId = await storeOf(tab);
    // A private window's login is never replaced with the ordinary one.
    if (tab?.incognito && storeId === undefined)
        return [];
    const found = [];
    for (const { domain } of domains) {
        const queries = [{ domain }];
        if (partition)
            queries.push({ domain, partitionKey: partition });
        for (const query of queries) {
            if (isolatesFirstParties)
                query.firstPartyDomain = null;
            if (storeId !== undefined)
                query.storeId = storeId;
            try {
                found.push(...await api.cookies.getAll(query));
            } catch {
                // A store or partition this browser does not know of holds nothing to send.
            }
        }
    }
    return selectCookies(found, domains, webLink(page)?.hostname.toLowerCase() ?? "");
}

// Whether the extension may read the cookies of every host involved; without the grant the
// browser would quietly answer with none.
async function mayReadCookies(url, page) {
    const origins = [url, page].map(webLink).filter(Boolean).map((link) => link.origin + "/*");
    try {
        return await api.permissions.contains({ origins });
    } catch {
        return false;
    }
}

async function show(tabId, badge, colour, title) {
    if (tabId === undefined)
        return;
    await api.action.setBadgeText({ tabId, text: badge });
    await api.action.setBadgeBackgroundColor({ tabId, color: colour });
    if (typeof api.action.setBadgeTextColor === "function")
        await api.action.setBadgeTextColor({ tabId, color: "#0E0E0E" });
    await api.action.setTitle({ tabId, title });
}

const TAKEN = "#2ECC71";
const REFUSED = "#E74C3C";
const HANDED_ON = "#9498F2";

async function send(tab, { url, page, quality, playlist }) {
    const tabId = tab?.id;
    const chosen = await options();
    const withQuality = quality ?? chosen.quality;
    let cookies = [];
    let loginWithheld = false;
    if (chosen.handOverLogin && webLink(url)) {
        if (await mayReadCookies(url, page))
            cookies = await siteCookies(url, page, tab);
        else
            loginWithheld = true;
    }
    const message = downloadMessage({ url, page, quality: withQuality, playlist, cookies });
    if (!message) {
        await show(tabId, "!", REFUSED, text("titleRefused", text("reasonNoWebLink")));
        return;
    }

    let answer;
    try {
        answer = await api.runtime.sendNativeMessage(HOST_NAME, message);
    } catch (error) {
        const said = String(error?.message ?? error);
        if (!hostMissing(said)) {
            await show(tabId, "!", REFUSED, text("titleRefused", text("reasonNoAnswer", said)));
            return;
        }
        // Without the host the desktop's handler of vireloom: addresses takes the link, with
        // no login: the address is all it gets.
        const address = schemeAddress({ url: message.url, quality: message.quality, playlist: message.playlist });
        if (tabId !== undefined)
            await api.tabs.update(tabId, { url: address });
        else
            await api.tabs.create({ url: address });
        await show(tabId, "↗", HANDED_ON, text("titleHandedOn"));
        return;
    }

    const outcome = outcomeOf(answer);
    if (!outcome.taken) {
        await show(tabId, "!", REFUSED, text("titleRefused", outcome.reason ?? text("reasonNoAnswer", outcome.code)));
        return;
    }
    let title = text("titleTaken");
    if (message.cookies)
        title = text("titleTakenWithLogin");
    else if (loginWithheld)
        title = text("titleTakenLoginWithheld");
    await show(tabId, "✓", TAKEN, title);
}

// The toolbar button and its shortcut send the tab's page.
api.action.onClicked.addListener((tab) => send(tab, { url: tab.url, page: tab.url }));

api.contextMenus.onClicked.addListener((info, tab) => {
    const { url, page } = clickedLink(info, tab);
    if (info.menuItemId === MENU_PLAYLIST)
        return send(tab, { url, page, playlist: true });
    const quality = QUALITIES.find((q) => info.menuItemId === qualityMenuId(q));
    if (quality)
        return send(tab, { url, page, quality, playlist: false });
    return undefined;
});

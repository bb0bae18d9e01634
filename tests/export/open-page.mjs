// Opens an exported web page straight from the file system in headless
// Chromium, with every request that is not for a file:// URL refused, waits
// until the movie has loaded and the player has drawn, and takes a screenshot of
// the player. Prints one JSON line: {"loaded", "drawn", "blocked", "errors"}.
//
// Usage: node open-page.mjs PAGE.html OUT.png WIDTH HEIGHT SWFCHECK_FOLDER
// (playwright-core comes from the independent checker's installation).

import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { pathToFileURL } from "node:url";

const [page, out, width, height, swfcheck] = process.argv.slice(2);
const modules = path.join(swfcheck, "node_modules");
const { chromium } = await import(pathToFileURL(path.join(modules, "playwright-core", "index.mjs")));
const { PNG } = (await import(pathToFileURL(path.join(modules, "pngjs", "lib", "png.js")))).default;

// Whether a screenshot shows more than one colour (the player has drawn).
function drawn(buffer) {
  const png = PNG.sync.read(buffer);
  for (let i = 4; i < png.data.length; i += 4)
    for (let c = 0; c < 3; c++) if (png.data[i + c] !== png.data[c]) return true;
  return false;
}

const root = fs.mkdtempSync(path.join(os.tmpdir(), "glimmora-page-"));
const result = { loaded: false, blocked: [], errors: [] };
let context;
const watchdog = setTimeout(() => { result.errors.push("timed out"); finish(1); }, 150000);
async function finish(code) {
  clearTimeout(watchdog);
  try { if (context) await context.close(); } catch (e) {}
  fs.rmSync(root, { recursive: true, force: true });
  console.log(JSON.stringify(result));
  process.exit(code);
}
try {
  context = await chromium.launchPersistentContext(path.join(root, "profile"), {
    executablePath: process.env.SWFCHECK_CHROMIUM || "/usr/bin/chromium",
    headless: true,
    env: { ...process.env, HOME: root, TMPDIR: root, XDG_RUNTIME_DIR: root },
    args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync", "--disable-breakpad",
           "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
           "--autoplay-policy=no-user-gesture-required"],
    viewport: { width: Number(width) + 40, height: Number(height) + 40 },
    deviceScaleFactor: 1,
  });
  await context.route("**/*", (route) => {
    const url = route.request().url();
    if (url.startsWith("file://")) return route.continue();
    result.blocked.push(url);
    return route.abort("blockedbyclient");
  });
  const tab = context.pages()[0] || (await context.newPage());
  tab.on("pageerror", (e) => result.errors.push(String(e && e.message || e)));
  await tab.goto(pathToFileURL(page).href, { waitUntil: "load", timeout: 60000 });
  const deadline = Date.now() + 120000;
  while (Date.now() < deadline) {
    const state = await tab.evaluate(() => {
      const player = document.getElementById("player");
      const failed = document.getElementById("movie").textContent;
      let metadata = null;
      try { metadata = player && player.ruffle().metadata; } catch (e) {}
      return { metadata: metadata ? true : false, failed };
    });
    if (state.failed) { result.errors.push(state.failed); break; }
    if (state.metadata) { result.loaded = true; break; }
    await new Promise((r) => setTimeout(r, 250));
  }
  // The first frame takes a moment to appear in software WebGL.
  result.drawn = false;
  while (result.loaded && Date.now() < deadline) {
    const shot = await tab.locator("#movie").screenshot();
    if (drawn(shot)) {
      fs.writeFileSync(out, shot);
      result.drawn = true;
      break;
    }
    await new Promise((r) => setTimeout(r, 500));
  }
  await finish(result.drawn ? 0 : 1);
} catch (e) {
  result.errors.push(String(e && e.stack || e));
  await finish(1);
}

// A small static server for the page (any static host serves it as well):
//   node web/serve.mjs SITE_DIR [PORT] [HOST]
// serves SITE_DIR at http://HOST:PORT/ (default 127.0.0.1:8080; port 0 picks a free one).
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.map': 'application/json',
  '.json': 'application/json',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.wvr': 'application/octet-stream',
};

export function serve(siteDir, port = 8080, host = '127.0.0.1') {
  const root = resolve(siteDir);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url ?? '/', 'http://page').pathname);
    const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
    if (!file.startsWith(root + sep) || (request.method !== 'GET' && request.method !== 'HEAD')) {
      response.writeHead(404).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': kTypes[extname(file)] ?? 'application/octet-stream' });
      response.end(request.method === 'HEAD' ? undefined : body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((done) => server.listen(port, host, () => {
    done({ server, url: `http://${host}:${server.address().port}/` });
  }));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const { url } = await serve(process.argv[2] ?? 'build/web/site', Number(process.argv[3] ?? 8080), process.argv[4]);
  console.log(`Wavora in the browser: ${url} (Ctrl+C stops the server)`);
}

// A static file server for the page, bound to 127.0.0.1 alone: the browser
// test, the figures, or a player without a server of their own.
//
//   node tests/web/serve.js FOLDER [PORT]
//
// Every request is logged for the tests; with `gzip`, files go out
// compressed to a client that accepts it, as most servers send them.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.css': 'text/css',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
};

// Resolves with { url, requests, bytesSent, close() }. `extra` maps a path
// (e.g. "/watch.replay") to bytes served beside the folder's files.
function serve(folder, { port = 0, gzip = false, extra = {} } = {}) {
  const root = path.resolve(folder);
  const requests = [];
  let bytesSent = 0;
  const server = http.createServer((request, response) => {
    requests.push(request.url);
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(root, name === '/' ? 'index.html' : name);
    let body = extra[name];
    if (body === undefined) {
      if (!file.startsWith(root + path.sep)) return finish(response, 403, 'forbidden');
      try {
        body = fs.readFileSync(file);
      } catch {
        return finish(response, 404, 'not found');
      }
    }
    const headers = { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' };
    if (gzip && /\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
      body = zlib.gzipSync(body, { level: 9 });
      headers['Content-Encoding'] = 'gzip';
    }
    bytesSent += body.length;
    response.writeHead(200, headers);
    response.end(body);
  });
  function finish(response, status, text) {
    response.writeHead(status, { 'Content-Type': 'text/plain' });
    response.end(text);
  }
  return new Promise(resolve => {
    server.listen(port, '127.0.0.1', () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        requests,
        bytesSent: () => bytesSent,
        close: () => new Promise(done => server.close(done)),
      });
    });
  });
}

module.exports = { serve };

if (require.main === module) {
  const [folder, port] = process.argv.slice(2);
  if (!folder) {
    console.error('usage: node serve.js FOLDER [PORT]');
    process.exit(2);
  }
  serve(folder, { port: Number(port) || 8000, gzip: true }).then(s => console.log(`serving ${folder} at ${s.url}`));
}

@echo off
echo Created with Orvane Parvola
echo      https://www.orvane.example/parvola     
echo.
if not exist "Annual R.001" echo The piece "Annual R.001" is missing.
if not exist "Annual R.001" goto missing
if not exist "Annual R.002" echo The piece "Annual R.002" is missing.
if not exist "Annual R.002" goto missing
if not exist "Annual R.003" echo The piece "Annual R.003" is missing.
if not exist "Annual R.003" goto missing
copy /b "Annual R.001" "Annual R"
if errorlevel 1 echo Joining "Annual R.001" failed.
if errorlevel 1 goto failed
copy /b "Annual R"+"Annual R.002" "Annual R"
if errorlevel 1 echo Joining "Annual R.002" failed.
if errorlevel 1 goto failed
copy /b "Annual R"+"Annual R.003" "Annual R"
if errorlevel 1 echo Joining "Annual R.003" failed.
if errorlevel 1 goto failed
del "Annual R.001"
del "Annual R.002"
del "Annual R.003"
echo.
echo Done!
exit /b 0
:missing
echo Nothing was changed.  Please copy every piece into this folder and run this file again.
exit /b 1
:failed
if exist "Annual R" del "Annual R"
echo The joined file was removed and the pieces were kept.  Please mend the cause shown above and run this file again.
exit /b 1

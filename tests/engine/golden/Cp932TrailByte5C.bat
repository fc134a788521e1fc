@echo off
echo Created with Orvane Parvola
echo      https://www.orvane.example/parvola     
echo.
if not exist "表データ.001" echo The piece "表データ.001" is missing.
if not exist "表データ.001" goto missing
copy /b "表データ.001" "表データ"
if errorlevel 1 echo Joining "表データ.001" failed.
if errorlevel 1 goto failed
del "表データ.001"
echo.
echo Done!
exit /b 0
:missing
echo Nothing was changed.  Please copy every piece into this folder and run this file again.
exit /b 1
:failed
if exist "表データ" del "表データ"
echo The joined file was removed and the pieces were kept.  Please mend the cause shown above and run this file again.
exit /b 1
